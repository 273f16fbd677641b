#pragma once

#include "FakeSerialPort.h"
#include "SimCore.h"
#include "SimDateTime.h"
#include "TempAppFolder.h"
#include "core/WindowlessHost.h"
#include "link/ModComm.h"
#include "link/datetime/DateTimeCommand.h"
#include "link/datetime/DateTimeEngine.h"
#include "link/datetime/DateTimeScreen.h"
#include "platform/serial/PortMap.h"

#include <gtest/gtest.h>

// The PC's wall clock stopped at 5 March 2007 09:04:07.
class PcClock : public Clock {
public:
    explicit PcClock(const ManualClock &steady) : m_steady(steady) {}
    TimePoint now() const override { return m_steady.now(); }
    QDateTime wallNow() const override { return QDateTime(QDate(2007, 3, 5), QTime(9, 4, 7)); }

private:
    const ManualClock &m_steady;
};

// A main window whose loaded windows a test sets.
class BusyHost : public WindowlessHost {
public:
    struct Loaded {
        QString name, caption;
    };
    QList<Loaded> windows{{QStringLiteral("frmMenu"), QStringLiteral("Linnet Programming Tool")}};
    int disabled = 0, enabled = 0;

    void DisableAllRootMenus() override { ++disabled; }
    void InableAllRootMenus() override { ++enabled; }
    int loadedWindowCount() const override { return int(windows.size()); }
    QString loadedWindowCaption(int i) const override { return windows.value(i).caption; }
    QString loadedWindowName(int i) const override { return windows.value(i).name; }
};

class RecordingScreen : public DateTimeScreen {
public:
    void showProgress(const QString &caption, const QString &line) override
    {
        shown << caption + QStringLiteral(" | ") + line;
        open = true;
    }
    void closeProgress() override { open = false; }
    QStringList shown;
    bool open = false;
};

// The Date/Time command against the simulated controller on the in-memory
// port; the controller's clock stands at 1 January 2006 12:00:00 until set.
class DateTimeFixture : public ::testing::Test {
protected:
    DateTimeFixture()
        : port(clock), comm(port, ports, app.context().state, app.context().log, app.context().paths, clock),
          pcClock(clock), controllerClock([] { return QDateTime(QDate(2006, 1, 1), QTime(12, 0, 0)); }),
          engine(comm, pcClock)
    {
        AppState &state = app.context().state;
        state.variant.ModelName = QStringLiteral("Linnet");
        state.variant.ProductTitle = QStringLiteral("Linnet Programming Tool");
        controllerClock.attach(sim);
        port.setResponder([this](const QByteArray &written) {
            sim.receive(written.constData(), std::size_t(written.size()), clock.now());
            return sim.takeDue(clock.now());
        });
    }

    // Runs the command; the dialog hook records the session it was given.
    void run(std::function<void(DateTimeSession &)> dialog = {})
    {
        DateTimeCommand::Hooks hooks;
        hooks.host = &host;
        hooks.showDialog = [this, dialog](DateTimeSession &session) {
            ++dialogs;
            inProgressDuringDialog = app.context().state.DateTimeInProgress;
            if (dialog)
                dialog(session);
        };
        command = std::make_unique<DateTimeCommand>(app.context(), engine, screen, std::move(hooks));
        command->mnuDate_Click();
    }

    // Bodies of the valid frames the controller received.
    QStringList received() const
    {
        QStringList out;
        for (const QByteArray &f : sim.framesReceived())
            out << QString::fromLatin1(f);
        return out;
    }

    TempAppFolder app;
    ManualClock clock;
    FakeSerialPort port;
    PortMap ports;
    ModComm comm;
    PcClock pcClock;
    SimCore sim;
    SimDateTime controllerClock;
    DateTimeEngine engine;
    RecordingScreen screen;
    BusyHost host;
    std::unique_ptr<DateTimeCommand> command;
    int dialogs = 0;
    bool inProgressDuringDialog = false;
};
