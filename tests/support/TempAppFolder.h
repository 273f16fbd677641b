#pragma once

#include "core/AppContext.h"
#include "platform/Registry.h"
#include "platform/ScriptedPrompter.h"

#include <QTemporaryDir>

#include <memory>

// A fresh application folder seeded from the build's templates, with a scripted
// prompter and an application context around it.
class TempAppFolder {
public:
    TempAppFolder();

    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    // Copies a template (for example "DEFAULT") to a new file in the folder.
    QString copyTemplate(const QString &templateName, const QString &newName) const;

    AppContext &context() { return *m_context; }
    ScriptedPrompter &prompter() { return m_prompter; }

    static QString templatesDir() { return QStringLiteral(LINNET_TEMPLATE_DIR); }
    static QString binDir() { return QStringLiteral(LINNET_BIN_DIR); }

private:
    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    FixedRegistry m_registry{QStringLiteral("6.0.2900.2180")};
    std::unique_ptr<AppContext> m_context;
};
