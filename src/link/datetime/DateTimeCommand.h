#pragma once

#include "link/datetime/DateTimeSession.h"

#include <QString>

#include <functional>

class DateTimeEngine;
class DateTimeScreen;
class MainWindowHost;
struct AppContext;

// The main window's Date/Time command: connects, reads the controller's
// daylight-saving state and its date and time (setting it from the PC clock
// while the controller's own is impossible), then shows the dialog. Runs on
// the user-interface thread (or the command line's); the exchanges run
// through runOnLink.
class DateTimeCommand {
public:
    // The controller is set from the PC clock at most this many times before
    // the command gives up with the connection-failure message.
    static constexpr int kSetFromPcTries = 3;

    struct Hooks {
        MainWindowHost *host = nullptr; // none on the command line
        std::function<void(const std::function<void()> &)> runOnLink;
        // Shows the dialog modally for the session.
        std::function<void(DateTimeSession &)> showDialog;
    };

    enum class Result { Busy, NotConnected, Shown };

    DateTimeCommand(AppContext &context, DateTimeEngine &engine, DateTimeScreen &screen, Hooks hooks);

    void mnuDate_Click();

    Result lastResult() const { return m_result; }
    // The session of the last dialog shown.
    const DateTimeSession &lastSession() const { return m_session; }

    static QString connectionFailureText();
    static QString exceptionsText();
    static QString updateFailureText();

private:
    bool busy() const;
    // Reads the controller until it reports a possible date and time; false
    // (after the connection-failure message) when it cannot.
    bool readController();
    void fail();
    void link(const std::function<void()> &job);
    QString title() const;

    AppContext &m_context;
    DateTimeEngine &m_engine;
    DateTimeScreen &m_screen;
    Hooks m_hooks;
    Result m_result = Result::Busy;
    DateTimeSession m_session;
    bool m_replyMissing = false; // Q was accepted but no T came back
};
