#pragma once

#include "core/AppPaths.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

// The start of a picture program: the output folder named on its command line
// and a temporary application folder seeded from the templates, with a
// working copy of DEFAULT.
class PictureFolder {
public:
    PictureFolder(int argc, char **argv, const char *usage)
    {
        if (argc < 2) {
            std::fprintf(stderr, "usage: %s\n", usage);
            m_status = 2;
            return;
        }
        out = QString::fromLocal8Bit(argv[1]);
        const QString working = paths.TempDbPath();
        if (!paths.seedFromTemplates() || !QFile::copy(paths.DefaultDbPath(), working) ||
            !QFile::setPermissions(working, QFile::permissions(working) | QFile::WriteOwner))
            m_status = 1;
    }

    // 0 when the folder is ready, otherwise the status the program exits with.
    int status() const { return m_status; }

private:
    QTemporaryDir m_dir;
    int m_status = 0;

public:
    const AppPaths paths{m_dir.path(), QStringLiteral(LINNET_TEMPLATE_DIR)};
    QString out;
};
