#pragma once

#include "FakeMainWindow.h"
#include "TempAppFolder.h"
#include "config/FileLifecycle.h"
#include "platform/Database.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

// A temporary application folder, a fake main window and the file lifecycle
// over them, with helpers to make and inspect configuration files.
class LifecycleTest : public ::testing::Test {
protected:
    static inline const QString kTitle = QStringLiteral("Tarnwick Linnet Programming Tool");

    LifecycleTest()
    {
        state().variant.ProductTitle = kTitle;
        state().variant.ModelName = QStringLiteral("Linnet");
        app.context().host = &window;
    }

    AppState &state() { return app.context().state; }
    const AppPaths &paths() { return app.context().paths; }
    ScriptedPrompter &prompter() { return app.prompter(); }

    // A valid configuration file in the test folder, made from the default database.
    QString validFile(const QString &name = QStringLiteral("site.mdb"))
    {
        return app.copyTemplate(QStringLiteral("DEFAULT"), name);
    }

    static void exec(const QString &file, const QStringList &statements)
    {
        Database db(file);
        ASSERT_TRUE(db.isOpen()) << db.lastError().toStdString();
        for (const QString &sql : statements)
            ASSERT_TRUE(db.exec(sql)) << sql.toStdString() << ": " << db.lastError().toStdString();
    }

    static QVariant value(const QString &file, const QString &sql)
    {
        Database db(file, Database::Mode::ReadOnly);
        return db.scalar(sql).value_or(QVariant());
    }

    static QByteArray bytes(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    bool workingCopyExists() { return QFile::exists(paths().TempDbPath()); }

    // Files whose names begin with "." in a folder: where a save keeps its temporary.
    static QStringList hiddenFiles(const QString &folder)
    {
        return QDir(folder)
            .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot)
            .filter(QRegularExpression("^\\."));
    }

    QString lastPrompt() { return prompter().asked().isEmpty() ? QString() : prompter().asked().last().text; }
    QString lastTitle() { return prompter().asked().isEmpty() ? QString() : prompter().asked().last().title; }

    // Opens a valid file so that a configuration is open for the save tests.
    QString openValidFile(const QString &name = QStringLiteral("site.mdb"))
    {
        const QString file = validFile(name);
        EXPECT_TRUE(files.OpenDatabase(file));
        prompter().clear();
        return file;
    }

    TempAppFolder app;
    FakeMainWindow window{app.context().state, kTitle};
    FileLifecycle files{app.context()};
};
