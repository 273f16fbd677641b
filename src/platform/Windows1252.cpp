#include "platform/Windows1252.h"

#include <array>

namespace {
constexpr char16_t kUndefined = 0;

// Characters of bytes 0x80-0x9F; kUndefined where the code page has none.
constexpr std::array<char16_t, 32> kCharsOf80To9F = {
    0x20AC,     kUndefined, 0x201A, 0x0192, 0x201E, 0x2026,     0x2020, 0x2021,     // 80-87
    0x02C6,     0x2030,     0x0160, 0x2039, 0x0152, kUndefined, 0x017D, kUndefined, // 88-8F
    kUndefined, 0x2018,     0x2019, 0x201C, 0x201D, 0x2022,     0x2013, 0x2014,     // 90-97
    0x02DC,     0x2122,     0x0161, 0x203A, 0x0153, kUndefined, 0x017E, 0x0178,     // 98-9F
};
constexpr char16_t kFirstHigh = 0x80;
constexpr char16_t kLastHigh = 0x9F;
constexpr char16_t kLastByte = 0xFF;
} // namespace

namespace Windows1252 {

std::optional<char> byteOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u < kFirstHigh || (u > kLastHigh && u <= kLastByte))
        return char(u);
    for (std::size_t i = 0; i < kCharsOf80To9F.size(); ++i) {
        const char16_t mapped = kCharsOf80To9F[i] == kUndefined ? char16_t(kFirstHigh + i) : kCharsOf80To9F[i];
        if (mapped == u)
            return char(kFirstHigh + i);
    }
    return std::nullopt;
}

QChar charOf(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    if (b < kFirstHigh || b > kLastHigh)
        return QChar(char16_t(b));
    const char16_t mapped = kCharsOf80To9F[b - kFirstHigh];
    return QChar(mapped == kUndefined ? char16_t(b) : mapped);
}

QByteArray encode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text)
        bytes += byteOf(c).value_or('?');
    return bytes;
}

QString decode(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes)
        text += charOf(b);
    return text;
}

bool isGraphic(QChar c)
{
    const std::optional<char> byte = byteOf(c);
    if (!byte)
        return false;
    const auto b = static_cast<unsigned char>(*byte);
    if (b < 0x20 || b == 0x7F)
        return false;
    return b < kFirstHigh || b > kLastHigh || kCharsOf80To9F[b - kFirstHigh] != kUndefined;
}

} // namespace Windows1252
