#pragma once

#include <QString>

#include <functional>

// Writes a copy of a database over a user's file so that the file is always
// either the old one or the complete new one, whatever happens meanwhile:
// a compacted copy is written to a temporary file in the target's folder
// (VACUUM INTO), checked (PRAGMA quick_check), flushed to disk, renamed over
// the target, and the folder entry is flushed. Any failure removes the
// temporary file and leaves the target as it was. No connection is ever held
// on the target. A temporary left by an earlier write of the same target that
// was killed before its rename is removed by the next write.
class AtomicDatabaseWriter {
public:
    enum class Stage {
        TemporaryWritten, // the copy is in the temporary file
        TemporaryChecked, // it passed the quick check
        ReadyToReplace,   // it is on disk; the rename comes next
        Replaced,         // the target is the new file
    };

    enum class Outcome {
        Written,
        // The target exists but cannot be replaced (a folder, or the rename was refused).
        TargetNotReplaceable,
        // No complete copy could be written beside the target (folder missing or
        // write protected, disk full, the source unreadable, the check failed).
        CopyFailed,
    };

    // Called after each stage. Returning false before Replaced abandons the write
    // as if that stage had failed; after Replaced the answer is ignored.
    using Observer = std::function<bool(Stage)>;

    void setObserver(Observer observer) { m_observer = std::move(observer); }

    // Flushes a file (folder false) or a folder entry (folder true) to disk;
    // fsync by default. Tests replace it to see the order of the flushes and
    // to make one fail.
    using Flush = std::function<bool(const QString &path, bool folder)>;
    void setFlush(Flush flush) { m_flush = std::move(flush); }

    Outcome write(const QString &source, const QString &target);

    // What went wrong in the last write, for the error log.
    const QString &lastError() const { return m_lastError; }
    // The temporary file of the last write (gone again once write() returns).
    const QString &lastTemporary() const { return m_temporary; }

private:
    bool passed(Stage stage);
    Outcome fail(Outcome outcome, const QString &why);

    Observer m_observer;
    Flush m_flush;
    QString m_lastError;
    QString m_temporary;
};
