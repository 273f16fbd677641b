#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// Reads arbitrary bytes as a series of edits (cells set to numbers, texts, NULL
// or reals; events added and removed) of a fresh copy of the template. When the
// edited configuration passes the validity and value checks, every sender runs
// against a link that acknowledges everything, and every body must be
// well-formed. Returns "" when that holds (or the checks refused the file), else
// what went wrong. Used by the fuzzer and by the corpus replay test.
QString fuzzConfigInput(const std::uint8_t *data, std::size_t size);
