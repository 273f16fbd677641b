#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// Reads arbitrary bytes as the messages of a receive: each known type letter
// takes the bytes that follow it up to its body length, and every body that
// would pass the link's validation goes through Process_Msg and the readers into
// a fresh copy of the template, followed by the receive's post-processing.
// Returns "" when the configuration still passes the checks a send applies,
// else the problems. Used by the fuzzer and by the corpus replay test.
QString fuzzReceiveInput(const std::uint8_t *data, std::size_t size);
