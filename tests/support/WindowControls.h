#pragma once

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

// Drives windows through their named controls, as a user would.
struct WindowControls {
    // The window's child of that name; a missing one fails the test.
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

    static bool enabled(QWidget *window, const QString &name)
    {
        auto *c = control(window, name);
        return c && c->isEnabled();
    }

    // Key presses carrying any characters, not only those QTest can name.
    static void sendText(QWidget *w, const QString &text)
    {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(w, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(w, &release);
        }
    }

    // Replaces a box's text by typing, as the user does.
    static void replaceText(QLineEdit *box, const QString &text)
    {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        sendText(box, text);
    }
};
