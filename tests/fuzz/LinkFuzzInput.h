#pragma once

#include <cstddef>
#include <cstdint>

// Feeds arbitrary bytes from "the controller" through every parser of port
// input: frame validation, the newer-controller test, the revision reply, and
// a whole Receive_Msg on the in-memory port. Used by the fuzzer and by the
// corpus replay test.
void fuzzLinkInput(const std::uint8_t *data, std::size_t size);
