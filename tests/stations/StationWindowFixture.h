#pragma once

#include "../editors/FakeHost.h"
#include "TempAppFolder.h"

#include "editors/EditorsRegistration.h"
#include "editors/stations/frmAuto.h"
#include "editors/stations/frmClid.h"
#include "editors/stations/frmConflict.h"
#include "editors/stations/frmStation.h"
#include "platform/Database.h"
#include "ui/WindowRegistry.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// A working database copied from DEFAULT with station values set directly,
// the station window opened through the window registry as the main window
// does, and helpers that act on its modal dialogs while they are shown.
class StationWindowFixture : public ::testing::Test {
public:
    void SetUp() override
    {
        const AppPaths &paths = ctx().paths;
        QFile::remove(paths.TempDbPath());
        ASSERT_TRUE(QFile::copy(paths.DefaultDbPath(), paths.TempDbPath()));
        QFile::setPermissions(paths.TempDbPath(), QFile::permissions(paths.TempDbPath()) | QFile::WriteOwner);
        db = std::make_unique<Database>(paths.TempDbPath());
        ASSERT_TRUE(db->isOpen());
        ctx().host = &host;
        ctx().state.variant.ProductTitle = QStringLiteral("Linnet Programming Tool");
        registerEditorWindows(registry);
    }

    void TearDown() override
    {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    AppContext &ctx() { return folder.context(); }
    ScriptedPrompter &prompter() { return folder.prompter(); }

    void store(int station, const QString &archnum, const QString &clid = {})
    {
        ASSERT_TRUE(db->exec(QStringLiteral("UPDATE Clid SET archnum = ?, clid_string = ? WHERE clid_station = ?"),
                             {archnum.leftJustified(4), clid.leftJustified(15), station}));
    }
    QString archnum(int station)
    {
        return db->scalar(QStringLiteral("SELECT archnum FROM Clid WHERE clid_station = ?"), {station})
            .value_or(QVariant())
            .toString();
    }
    QString clid(int station)
    {
        return db->scalar(QStringLiteral("SELECT clid_string FROM Clid WHERE clid_station = ?"), {station})
            .value_or(QVariant())
            .toString();
    }

    frmClid *open()
    {
        window.reset(registry.create(QStringLiteral("frmClid"), ctx(), nullptr));
        auto *clid = qobject_cast<frmClid *>(window.get());
        EXPECT_NE(clid, nullptr);
        if (clid)
            clid->show();
        return clid;
    }

    // Selects a station's line on its tab (making that tab active).
    static void selectStation(frmClid *w, int station)
    {
        const int tab = (station - 1) / frmClid::kStationsPerTab;
        w->setActiveTab(tab);
        w->selectLine(tab, (station - 1) % frmClid::kStationsPerTab);
    }

    // Runs action on the next modal dialog of type T once it is shown; gives
    // up (and fails) when the dialog is still open 5 s later.
    template <typename T> static void onModal(std::function<void(T *)> action)
    {
        auto *timer = new QTimer;
        auto ticks = std::make_shared<int>(0);
        QObject::connect(timer, &QTimer::timeout, [timer, ticks, action] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *d = qobject_cast<T *>(modal); d && d->isVisible()) {
                timer->stop();
                timer->deleteLater();
                action(d);
            } else if (++*ticks > 1000) {
                timer->stop();
                timer->deleteLater();
                ADD_FAILURE() << "no " << T::staticMetaObject.className() << " was shown";
                if (auto *open = qobject_cast<QDialog *>(modal))
                    open->done(QDialog::Rejected);
            }
        });
        timer->start(5);
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
    static void typeInto(QWidget *dialog, const QString &box, const QString &text)
    {
        auto *edit = control<QLineEdit>(dialog, box);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        sendText(edit, text);
    }

    TempAppFolder folder;
    FakeHost host;
    WindowRegistry registry;
    std::unique_ptr<Database> db;
    std::unique_ptr<QWidget> window;
};
