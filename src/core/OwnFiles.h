#pragma once

#include <QString>

class AppPaths;

// The tool's own files in the application folder: the working copy ~TEMP (and
// the marker beside it), the template DEFAULT, the error log errors and its
// copies, the phone and modem lists and their templates. A file is recognised
// by the part of its name before the first ".", in any letter case, so
// "~temp.mdb", "Default.MDB" and "errors.bak" are the tool's files too. None of
// them may be opened, saved over, sent, dumped or written by a receive: the
// tool deletes or rewrites them itself, and every New and Receive starts from
// DEFAULT.
namespace OwnFiles {
enum class Kind { None, WorkingCopy, Template, ErrorLog, PhoneList, ModemList };

// Which of the tool's files path is; a link counts as the file it leads to.
// None for any other name and for every file outside the application folder.
Kind kind(const AppPaths &paths, const QString &path);

// What the file is, for messages ("the tool's template for new configurations").
QString role(Kind kind);

// The command line's message when path is one of the tool's files, "" when it
// is not. action completes "cannot be ...": "sent", "dumped", "the output of a receive".
QString refusal(const AppPaths &paths, const QString &path, const QString &action);

// True when folder holds at least one of the tool's files or its settings
// file: it is (or was) an application folder.
bool anyIn(const QString &folder);
} // namespace OwnFiles
