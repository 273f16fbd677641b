#pragma once

#include "../editors/FakeHost.h"
#include "TempAppFolder.h"

#include "editors/EditorsRegistration.h"
#include "platform/Database.h"
#include "ui/WindowRegistry.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A working database copied from DEFAULT, the area windows opened through the
// window registry as the main window opens them, and helpers that read the
// tables and drive the windows through their named controls.
class AreaWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        const AppPaths &paths = ctx().paths;
        QFile::remove(paths.TempDbPath());
        ASSERT_TRUE(QFile::copy(paths.DefaultDbPath(), paths.TempDbPath()));
        QFile::setPermissions(paths.TempDbPath(), QFile::permissions(paths.TempDbPath()) | QFile::WriteOwner);
        db = std::make_unique<Database>(paths.TempDbPath());
        ASSERT_TRUE(db->isOpen());
        ASSERT_TRUE(db->exec(QStringLiteral("CREATE TABLE TestWrites (tbl TEXT)")));
        ctx().host = &host;
        ctx().state.variant.ProductTitle = QStringLiteral("Linnet");
        registerEditorWindows(registry);
    }

    void TearDown() override
    {
        windows.clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    AppContext &ctx() { return folder.context(); }
    ScriptedPrompter &prompter() { return folder.prompter(); }

    // Opens a window by its registered name, top-level, shown and active.
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
        if (auto *b = control<QAbstractButton>(window, name))
            QTest::mouseClick(b, Qt::LeftButton);
    }

    static QCheckBox *box(QWidget *window, const QString &prefix, int index)
    {
        return control<QCheckBox>(window, prefix + QString::number(index));
    }

    // Page groups (1-16) whose box on a window is checked / enabled.
    static QList<int> checkedBoxes(QWidget *window, const QString &prefix, int offset = 0)
    {
        QList<int> result;
        for (int k = 0; k < 16; ++k)
            if (QCheckBox *b = box(window, prefix, offset + k); b && b->isChecked())
                result << k + 1;
        return result;
    }
    static QList<int> enabledBoxes(QWidget *window, const QString &prefix, int offset = 0)
    {
        QList<int> result;
        for (int k = 0; k < 16; ++k)
            if (QCheckBox *b = box(window, prefix, offset + k); b && b->isEnabled())
                result << k + 1;
        return result;
    }

    // The page groups set in one row (0-based, table order) of a table whose
    // flags start at column firstFlag (0-based).
    QList<int> storedGroups(const QString &table, int row = 0, int firstFlag = 0)
    {
        QList<int> result;
        const auto rows = db->rows(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table));
        const QVariantList r = rows.value().value(row);
        for (int k = 0; k < 16; ++k)
            if (r.value(firstFlag + k).toInt() != 0)
                result << k + 1;
        return result;
    }

    void setGroups(const QString &table, int row, QList<int> groups)
    {
        QStringList sets;
        for (int k = 1; k <= 16; ++k)
            sets << QStringLiteral("PageGroup%1 = %2").arg(k).arg(groups.contains(k) ? 1 : 0);
        ASSERT_TRUE(db->exec(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = (SELECT rowid FROM %1 ORDER BY rowid "
                                            "LIMIT 1 OFFSET ?)")
                                 .arg(table, sets.join(u", ")),
                             {row}))
            << db->lastError().toStdString();
    }

    // Counts every row the windows update in a table from now on.
    void watchWrites(const QString &table)
    {
        ASSERT_TRUE(db->exec(QStringLiteral("CREATE TRIGGER watch_%1 AFTER UPDATE ON %1 BEGIN INSERT INTO TestWrites "
                                            "VALUES ('%1'); END")
                                 .arg(table)))
            << db->lastError().toStdString();
    }
    int writes(const QString &table)
    {
        return db->scalar(QStringLiteral("SELECT count(*) FROM TestWrites WHERE tbl = ?"), {table})
            .value_or(-1)
            .toInt();
    }
    // Makes every update of a table fail, as a locked or damaged file would.
    void refuseWrites(const QString &table, const QString &when = QStringLiteral("1"))
    {
        ASSERT_TRUE(db->exec(QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE UPDATE ON %1 WHEN %2 BEGIN "
                                            "SELECT RAISE(ABORT, 'refused by the test'); END")
                                 .arg(table, when)))
            << db->lastError().toStdString();
    }

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
