#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// Runs every file of a fuzz target's committed corpus through its input
// function, as the normal (or sanitizer) build's test of that target. The
// findings, each prefixed by its file name; "(empty corpus)" when there is no
// file to run.
template <typename InputFunction> QStringList replayCorpus(const QString &directory, InputFunction input)
{
    const QDir dir(directory);
    const QStringList files = dir.entryList(QDir::Files);
    if (files.isEmpty())
        return {QStringLiteral("(empty corpus) ") + directory};
    QStringList findings;
    for (const QString &name : files) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly)) {
            findings << name + QStringLiteral(": cannot read");
            continue;
        }
        const QByteArray bytes = f.readAll();
        const QString finding =
            input(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
        if (!finding.isEmpty())
            findings << name + QStringLiteral(": ") + finding;
    }
    return findings;
}
