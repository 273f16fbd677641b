#pragma once

#include "PictureFolder.h"

#include "core/AppContext.h"
#include "platform/Registry.h"
#include "platform/ScriptedPrompter.h"

#include <QApplication>
#include <QWidget>

// A screenshot program's application context on its picture folder.
class Screenshots : public PictureFolder {
public:
    Screenshots(int argc, char **argv, const char *usage) : PictureFolder(argc, argv, usage) {}

    // Lets the window settle, then saves its picture as OUTPUT_DIR/name.
    void save(QWidget &window, const QString &name) const
    {
        QApplication::processEvents();
        window.grab().save(QStringLiteral("%1/%2").arg(out, name));
    }

private:
    ScriptedPrompter m_prompter;
    FixedRegistry m_registry{QStringLiteral("6.0")};

public:
    AppContext ctx{paths, m_prompter, m_registry};
};
