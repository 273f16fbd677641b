#pragma once

#include <QByteArray>

#include <array>
#include <cstddef>

// The frame of a message on the wire: body (type letter first), three
// upper-case hexadecimal checksum digits, CR; acknowledged by a single ACK or
// NAK. These functions work on raw buffers so that every byte the port
// delivers can be checked (and fuzzed) without a Qt container in between.
namespace LinkFrame {
constexpr char kAck = 6;
constexpr char kNak = 21;
constexpr char kCr = 13;
constexpr std::size_t kChecksumWidth = 3;
// A body whose character sum no longer fits a signed 16-bit number has no checksum.
constexpr int kLargestSum = 32767;

using Checksum = std::array<char, kChecksumWidth>;

// Length of a received body (letter included, checksum excluded) by its type
// letter; 0 for a letter the tool does not receive.
int expectedLength(char letter);

// The checksum of a body: the sum of its 8-bit character codes modulo 4096 in
// three upper-case hexadecimal digits. False when the sum overflows.
bool checksum(const char *body, std::size_t size, Checksum &out);
QByteArray checksum(const QByteArray &body); // "" on overflow

enum class Verdict {
    TooShort,         // three characters or fewer
    UnknownType,      // letter not in the length table
    WrongLength,      // letter known, body of another length
    ChecksumMismatch, // well-formed, checksum differs
    Valid,
};

struct Validation {
    Verdict verdict = Verdict::TooShort;
    std::size_t bodySize = 0; // the text without its last three characters
    Checksum computed{};      // set for ChecksumMismatch and Valid
};

// Checks a received text (checksum included, CR excluded).
Validation validate(const char *text, std::size_t size);

// A text that this tool does not accept but that a newer controller could send:
// an upper-case type letter and a correct checksum.
bool wellFormedByNewerController(const char *text, std::size_t size);
} // namespace LinkFrame
