#pragma once

#include <QString>

#include <optional>

class QWidget;

// The Open and Save As dialogs of the file commands. Filters come in the
// "Description|*.ext" form the file commands use.
namespace FileDialogs {
// "Database Files (*.mdb)|*.mdb" → "Database Files (*.mdb)"
QString qtFilter(const QString &filter);
std::optional<QString> chooseOpenFile(QWidget *parent, const QString &filter);
// The overwrite question is asked by Save As about the name the file is saved
// under (upper case, ".MDB" added), not here about the name as typed.
std::optional<QString> chooseSaveFile(QWidget *parent, const QString &filter, const QString &proposed);
} // namespace FileDialogs
