#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// Text on the serial line is in the 8-bit Windows-1252 code page. Bytes
// 0x00-0x7F and 0xA0-0xFF are the code points of the same value; 0x80-0x9F hold
// 27 typographic characters (the euro sign, curly quotes, dashes, Œ, Š, ...).
// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// stand for the control characters of the same value, so every byte decodes
// and encodes back to itself and nothing a controller sends is lost.
//
// A fixed table rather than QStringConverter: Qt offers this code page only
// when it is built with ICU, and then maps the undefined bytes differently.
namespace Windows1252 {
// The byte of a character, or nothing when the code page has none.
std::optional<char> byteOf(QChar c);
QChar charOf(char byte);

// Every character as its byte; one the code page lacks becomes '?'. Callers
// that must not lose a character check it first with byteOf().
QByteArray encode(QStringView text);
QString decode(QByteArrayView bytes);

// A character of the code page that is neither a control character (0x00-0x1F,
// 0x7F, the undefined bytes) nor missing from it.
bool isGraphic(QChar c);
} // namespace Windows1252
