#pragma once

#include <QString>

class ErrorLog;
class RecordSet;

// Text helpers used for stored texts (padded to their column width) and for
// numbers on the wire (zero-padded).
namespace Utility {
// text left-aligned in exactly n characters: cut to n or filled with blanks.
QString PadRight(const QString &text, int n);
// text right-aligned in exactly n characters: the last n of n blanks + text.
QString PadLeft(const QString &text, int n);
// The last n characters of n zeros + text ("5",2 → "05"; "123",2 → "23").
QString LeadingZeroes(const QString &text, int n);
// Folder part of a path up to and including its last "/" (or "\"); "" for a bare name.
QString GetPathPart(const QString &path);
// Key-press filter of number boxes: the key code, or 0 unless it is a digit or Backspace (8).
int Allow_digits_only(int keyCode);
// True when the record set has no rows (also when it could not be read).
bool TableEmpty(const RecordSet &records);
// Name of a backup copy: the path up to and including its last "." followed by
// extension, or path + "." + extension when there is no "." after the first
// character; "~x." + extension for an empty name.
QString GetBackUpName(const QString &file, const QString &extension);
// Waits the given whole seconds of the wall clock while processing events.
void Sleep(int seconds);
} // namespace Utility

// File routines. Names are compared without regard to letter case, as the
// tool's files always were: "errors.Bak" finds errors.bak. Failures are logged
// as program "Unknown", module "Utility".
class FileOps {
public:
    explicit FileOps(ErrorLog &log) : m_log(log) {}

    // The existing file whose name matches path's file name without regard to
    // letter case, or path itself when there is none.
    static QString resolve(const QString &path);

    // True when at least one normal (not hidden) file matches name; wildcards
    // * and ? are allowed in the file part.
    bool IsFile(const QString &name);
    // Deletes every file matching name. "stem.*" also matches "stem" without an
    // extension and the database's side files "stem-journal", "stem-wal", "stem-shm".
    void RemoveFile(const QString &name);
    // True when the file no longer exists afterwards (up to five attempts; a
    // permission failure ends at once with false).
    bool fcnRemoveFile(const QString &name);
    // True when target exists afterwards; false unless target could be removed
    // first and source exists.
    bool fcnCopyFile(const QString &source, const QString &target);

private:
    ErrorLog &m_log;
};
