#pragma once

#include "WindowFixture.h"

#include "editors/stations/frmAuto.h"
#include "editors/stations/frmClid.h"
#include "editors/stations/frmConflict.h"
#include "editors/stations/frmStation.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>

// A working database copied from DEFAULT with station values set directly,
// the station window opened through the window registry as the main window
// does, and helpers that act on its modal dialogs while they are shown.
class StationWindowFixture : public WindowFixture {
public: // the dialog handlers outside the tests use the helpers too
    void SetUp() override
    {
        WindowFixture::SetUp();
        ctx().state.variant.ProductTitle = QStringLiteral("Linnet Programming Tool");
    }

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

    // Opens the station window, closing one opened before.
    frmClid *open()
    {
        windows.clear();
        auto *clid = qobject_cast<frmClid *>(create(QStringLiteral("frmClid")));
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

    // Replaces the text of a dialog's box by typing, as the user does.
    static void typeInto(QWidget *dialog, const QString &box, const QString &text)
    {
        replaceText(control<QLineEdit>(dialog, box), text);
    }
};
