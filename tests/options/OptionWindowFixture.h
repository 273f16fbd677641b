#pragma once

#include "WindowFixture.h"

#include <algorithm>

// The option and clock windows on a working database, driven by their named
// controls.
class OptionWindowFixture : public WindowFixture {
protected:
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

    // Leaves a window without keeping its changes: Escape from one of its
    // controls, or closing the window.
    static void escapeOrClose(QWidget *window, bool escape, const QString &from)
    {
        if (escape)
            QTest::keyClick(control(window, from), Qt::Key_Escape);
        else
            window->close();
    }

    static bool checked(QWidget *window, const QString &name)
    {
        auto *b = control<QAbstractButton>(window, name);
        return b && b->isChecked();
    }
};
