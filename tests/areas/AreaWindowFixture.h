#pragma once

#include "WindowFixture.h"

#include <QApplication>
#include <QCheckBox>

// The area windows on a working database, with helpers that read and set the
// page-group flags of their tables and watch or refuse the windows' writes.
class AreaWindowFixture : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(db->exec(QStringLiteral("CREATE TABLE TestWrites (tbl TEXT)")));
        ctx().state.variant.ProductTitle = QStringLiteral("Linnet");
    }

    // Opens a window by its registered name with that many expansion boards fitted.
    template <typename T> T *openWithBoards(const QString &name, int expansionBoards)
    {
        ctx().state.ExpansionBoards = expansionBoards;
        return open<T>(name);
    }

    // Leaves a window without keeping its changes: Escape from the focused
    // control, or the Cancel button.
    static void cancel(QWidget *window, bool escape)
    {
        if (escape)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            click(window, QStringLiteral("cmdCancel"));
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
};
