#pragma once

#include <QString>

// The small file beside the working copy that says the copy holds changes not
// saved to the user's file, and names that file. It is flushed to disk with its
// folder entry when written, so it survives a kill, a crash or a power loss:
// the next start finds it and offers the changes back.
class UnsavedMarker {
public:
    explicit UnsavedMarker(QString path) : m_path(std::move(path)) {}

    bool exists() const;
    // Writes the marker naming file, unless there is one already: a recovered
    // copy keeps naming the file its changes came from. False when it could
    // not be written.
    bool write(const QString &file) const;
    void remove() const;
    // The file the changes belong to ("Untitled" for one never saved); "" when
    // the marker is missing or unreadable.
    QString file() const;

private:
    QString m_path;
};
