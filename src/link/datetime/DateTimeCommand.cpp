#include "link/datetime/DateTimeCommand.h"

#include "core/AppContext.h"
#include "core/BusyRules.h"
#include "core/MainWindowHost.h"
#include "link/datetime/DateTimeEngine.h"
#include "link/datetime/DateTimeScreen.h"

DateTimeCommand::DateTimeCommand(AppContext &context, DateTimeEngine &engine, DateTimeScreen &screen, Hooks hooks)
    : m_context(context), m_engine(engine), m_screen(screen), m_hooks(std::move(hooks))
{
}

QString DateTimeCommand::connectionFailureText()
{
    // Line feed before carriage return, as the message has always been written.
    return QStringLiteral("Cannot perform 'Set System Date and Time'.\n\rCommunications not established.");
}

QString DateTimeCommand::exceptionsText()
{
    return QStringLiteral("Receiving exceptions have occurred. Check the Log file for more information.");
}

QString DateTimeCommand::updateFailureText()
{
    return QStringLiteral("A Communication Problem occurred. Time could not be updated. Please try  again.");
}

QString DateTimeCommand::title() const
{
    return m_context.state.variant.ProductTitle;
}

void DateTimeCommand::link(const std::function<void()> &job)
{
    if (m_hooks.runOnLink)
        m_hooks.runOnLink(job);
    else
        job();
}

bool DateTimeCommand::busy() const
{
    if (m_context.state.DateTimeInProgress)
        return true;
    return m_hooks.host && BusyRules::dateTimeBusy(*m_hooks.host, title());
}

void DateTimeCommand::fail()
{
    m_screen.closeProgress();
    m_context.prompter.message(connectionFailureText(), title(), Prompter::Exclamation);
}

bool DateTimeCommand::readController()
{
    for (int setFromPc = 0;; ++setFromPc) {
        DateTimeEngine::Reading reading;
        link([&] {
            m_engine.startLog();
            m_session.daylight = m_engine.Receive_Daylight_Savings();
            reading = m_engine.queryDateTime();
        });
        if (!reading.queryAccepted || !reading.replied) {
            // Without a reply the log may hold the rejected attempts.
            m_replyMissing = reading.queryAccepted;
            fail();
            return false;
        }
        if (reading.valid) {
            m_session.reply = reading.body;
            return true;
        }
        // A controller whose clock stays impossible after being set from the
        // PC is not going to take the dialog's values either.
        if (setFromPc == kSetFromPcTries) {
            fail();
            return false;
        }
        link([&] { m_engine.SendCurrentDateTime(); });
    }
}

void DateTimeCommand::mnuDate_Click()
{
    if (busy()) {
        m_result = Result::Busy;
        return;
    }
    AppState &state = m_context.state;
    state.DateTimeInProgress = true;
    m_session = {};
    m_replyMissing = false;
    m_screen.showProgress(QStringLiteral("Preparing to Communicate"), QStringLiteral("Preparing to communicate with ") +
                                                                          state.variant.ModelName +
                                                                          QStringLiteral(" system..."));
    if (m_hooks.host)
        m_hooks.host->DisableAllRootMenus();

    bool connected = false;
    link([&] { connected = m_engine.openPort(); });
    m_result = Result::NotConnected;
    if (!connected) {
        fail();
    } else if (readController()) {
        m_screen.closeProgress();
        m_session.sendDaylight = [this](bool on) {
            bool ok = false;
            link([&] { ok = m_engine.SendDayLight(on, m_session.daylight.supported); });
            return ok;
        };
        m_session.sendDateTime = [this](const QByteArray &body) {
            bool ok = false;
            link([&] { ok = m_engine.SendDateTime(body); });
            return ok;
        };
        m_result = Result::Shown;
        if (m_hooks.showDialog)
            m_hooks.showDialog(m_session);
    }
    bool exceptions = false;
    link([&] {
        m_engine.closeLog();
        exceptions = m_engine.exceptionsOccurred();
    });
    if ((m_result == Result::Shown || m_replyMissing) && exceptions)
        m_context.prompter.message(exceptionsText(), title(), Prompter::Exclamation);
    state.DateTimeInProgress = false;
    if (m_hooks.host)
        m_hooks.host->InableAllRootMenus();
}
