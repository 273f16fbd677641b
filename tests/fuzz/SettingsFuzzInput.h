#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// Reads arbitrary bytes as settings.ini: the start-up values, the recent files,
// the switchboard geometry and the port devices; then saves the values and reads
// them again. "" when what was read survives the round trip unchanged, else
// what differed. Used by the fuzzer and by the corpus replay test.
QString fuzzSettingsInput(const std::uint8_t *data, std::size_t size);
