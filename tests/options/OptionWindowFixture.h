#pragma once

#include "TempAppFolder.h"

#include "core/WindowlessHost.h"
#include "editors/EditorsRegistration.h"
#include "platform/Database.h"
#include "ui/EditorWindow.h"
#include "ui/WindowRegistry.h"

#include <QAbstractButton>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A main window for the window tests: records what the windows ask of it.
class RecordingHost : public WindowlessHost {
public:
    void UpdateFileSaveOpt() override { ++updateFileSaveOptCalls; }
    int updateFileSaveOptCalls = 0;
};

// A working database copied from DEFAULT and windows opened through the
// window registry as the main window does, driven by their named controls.
class OptionWindowFixture : public ::testing::Test {
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

    void exec(const QString &sql, const QVariantList &binds = {})
    {
        ASSERT_TRUE(db->exec(sql, binds)) << db->lastError().toStdString();
    }

    QVariant stored(const QString &table, const QString &column)
    {
        return db->scalar(QStringLiteral("SELECT %1 FROM %2").arg(Database::quoted(column), table))
            .value_or(QVariant());
    }

    // Every write to the table fails from now on, as with a locked file.
    void refuseWrites(const QString &table)
    {
        exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON %1 BEGIN SELECT RAISE(ABORT, 'table locked'); END")
                 .arg(table));
    }

    int loggedErrors()
    {
        Database errors(ctx().paths.ErrorsDbPath());
        return errors.scalar(QStringLiteral("SELECT count(*) FROM Error")).value_or(-1).toInt();
    }

    // Opens a window through the registry, top-level, shown and active.
    template <typename T> T *open(const QString &name)
    {
        QWidget *w = registry.create(name, ctx(), nullptr);
        windows.emplace_back(w);
        auto *window = qobject_cast<T *>(w);
        EXPECT_NE(window, nullptr) << name.toStdString();
        if (window) {
            window->show();
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        }
        return window;
    }

    template <typename T = QWidget> static T *control(QWidget *window, const QString &name)
    {
        T *c = window->findChild<T *>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }

    static void click(QWidget *window, const QString &name)
    {
        auto *b = control<QAbstractButton>(window, name);
        if (!b)
            return;
        // Boxes and options take clicks on their indicator and caption only,
        // which a wide layout cell does not centre.
        const bool pushButton = b->inherits("QPushButton");
        QTest::mouseClick(b, Qt::LeftButton, {},
                          pushButton ? QPoint() : QPoint(std::min(8, b->width() / 2), b->height() / 2));
    }

    static bool checked(QWidget *window, const QString &name)
    {
        auto *b = control<QAbstractButton>(window, name);
        return b && b->isChecked();
    }

    TempAppFolder folder;
    RecordingHost host;
    WindowRegistry registry;
    std::unique_ptr<Database> db;
    std::vector<std::unique_ptr<QWidget>> windows;
};
