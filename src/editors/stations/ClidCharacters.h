#pragma once

#include <QChar>
#include <QString>

#include <optional>

// CLID texts travel to the controller in the line's 8-bit code page; a
// character it cannot carry or show is refused where it is typed.
namespace ClidCharacters {
// The first character of text the controller cannot show, if any.
std::optional<QChar> firstRefused(const QString &text);
// The message naming a refused character.
QString refusedMessage(QChar c);
} // namespace ClidCharacters
