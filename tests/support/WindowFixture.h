#pragma once

#include "FakeHost.h"
#include "TempAppFolder.h"
#include "WindowControls.h"

#include "editors/EditorsRegistration.h"
#include "platform/Database.h"
#include "ui/WindowRegistry.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A temporary application folder with a working database copied from DEFAULT,
// a recording main window, and the editor windows opened through the window
// registry as the main window opens them.
class WindowFixture : public ::testing::Test, public WindowControls {
protected:
    void SetUp() override
    {
        const AppPaths &paths = ctx().paths;
        QFile::remove(paths.TempDbPath());
        ASSERT_TRUE(QFile::copy(paths.DefaultDbPath(), paths.TempDbPath()));
        QFile::setPermissions(paths.TempDbPath(), QFile::permissions(paths.TempDbPath()) | QFile::WriteOwner);
        db = std::make_unique<Database>(paths.TempDbPath());
        ASSERT_TRUE(db->isOpen());
        ctx().host = &host;
        registerEditorWindows(registry);
    }

    void TearDown() override
    {
        windows.clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    AppContext &ctx() { return folder.context(); }
    ScriptedPrompter &prompter() { return folder.prompter(); }

    // Creates a registered window, top-level, kept until the test ends.
    QWidget *create(const QString &name, int arg = 0)
    {
        QWidget *w = registry.create(name, ctx(), nullptr, arg);
        windows.emplace_back(w);
        return w;
    }

    // Opens a window by its registered name, top-level, shown and active.
    template <typename T> T *open(const QString &name)
    {
        auto *window = qobject_cast<T *>(create(name));
        EXPECT_NE(window, nullptr) << name.toStdString();
        if (window) {
            window->show();
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        }
        return window;
    }

    // Rows in the errors database.
    int loggedErrors()
    {
        Database errors(ctx().paths.ErrorsDbPath());
        return errors.scalar(QStringLiteral("SELECT count(*) FROM Error")).value_or(-1).toInt();
    }

    TempAppFolder folder;
    FakeHost host;
    WindowRegistry registry;
    std::unique_ptr<Database> db;
    std::vector<std::unique_ptr<QWidget>> windows;
};
