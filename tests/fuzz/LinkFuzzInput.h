#pragma once

#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>

// Feeds arbitrary bytes from "the controller" through every parser of port
// input: frame validation, the newer-controller test, the revision reply, and
// a whole Receive_Msg on the in-memory port. Used by the fuzzer and by the
// corpus replay test; the sanitizers judge it, so it always returns "".
//
// Longer inputs are cut here: a little more than the port's input buffer, so
// the buffer's overflow is reached without spending time on what it drops.
inline constexpr std::size_t kLinkFuzzMaxInput = 1200;

QString fuzzLinkInput(const std::uint8_t *data, std::size_t size);
