#include "link/LinkFrame.h"

#include <algorithm>

namespace LinkFrame {

int expectedLength(char letter)
{
    switch (letter) {
    case 'I': return 8;
    case 'M': return 17;
    case 'K': return 17;
    case 'N': return 17;
    case 'C': return 22;
    case 'X': return 2;
    case 'D': return 17;
    case 'E': return 26;
    case 'G': return 18;
    case 'W': return 3;
    case 'A': return 1;
    case 'T': return 13;
    case 'J': return 15;
    case 'P': return 17;
    case 'U': return 3;
    default: return 0;
    }
}

bool checksum(const char *body, std::size_t size, Checksum &out)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    int sum = 0;
    for (std::size_t i = 0; i < size; ++i) {
        sum += static_cast<unsigned char>(body[i]);
        if (sum > kLargestSum)
            return false;
    }
    out = {kHex[(sum >> 8) & 0xF], kHex[(sum >> 4) & 0xF], kHex[sum & 0xF]};
    return true;
}

QByteArray checksum(const QByteArray &body)
{
    Checksum sum;
    if (!checksum(body.constData(), std::size_t(body.size()), sum))
        return {};
    return QByteArray(sum.data(), qsizetype(sum.size()));
}

Validation validate(const char *text, std::size_t size)
{
    Validation v;
    if (size <= kChecksumWidth)
        return v;
    v.bodySize = size - kChecksumWidth;
    const int expected = expectedLength(text[0]);
    if (expected == 0) {
        v.verdict = Verdict::UnknownType;
        return v;
    }
    if (std::size_t(expected) != v.bodySize) {
        v.verdict = Verdict::WrongLength;
        return v;
    }
    // A known body is at most 26 characters, so its sum cannot overflow.
    checksum(text, v.bodySize, v.computed);
    v.verdict = std::equal(v.computed.begin(), v.computed.end(), text + v.bodySize) ? Verdict::Valid
                                                                                    : Verdict::ChecksumMismatch;
    return v;
}

bool wellFormedByNewerController(const char *text, std::size_t size)
{
    if (size < kChecksumWidth || text[0] < 'A' || text[0] > 'Z')
        return false;
    Checksum sum;
    const std::size_t bodySize = size - kChecksumWidth;
    return checksum(text, bodySize, sum) && std::equal(sum.begin(), sum.end(), text + bodySize);
}

} // namespace LinkFrame
