#include "core/ShutDown.h"

#include "core/AppContext.h"
#include "core/CompactErrors.h"
#include "core/FileCommands.h"
#include "core/SettingsFile.h"

ShutDown::ShutDown(AppContext &context, ShutDownHost &host) : m_context(context), m_host(host)
{
}

std::optional<bool> ShutDown::releaseModem(const QString &failedQuestion)
{
    const bool ask = !failedQuestion.isEmpty();
    if (m_context.state.ModemReleasing) {
        if (ask)
            m_context.prompter.ask(kModemBeingReleased, kModemTitle, Prompter::YesNo, Prompter::Exclamation);
        return std::nullopt;
    }
    if (!m_host.modemReleaseEnabled() || !m_callbacks.releaseModem || m_callbacks.releaseModem())
        return std::nullopt;
    if (!ask) {
        m_context.log.LogError(ErrNo::DeviceNotAvailable, QStringLiteral("Modem Release Unsuccessful"),
                               QStringLiteral("frmMenu"), QStringLiteral("frmMenu"),
                               QStringLiteral("shutDownWithoutQuestions"));
        return std::nullopt;
    }
    return m_context.prompter.ask(failedQuestion, kModemTitle, Prompter::YesNo, Prompter::Exclamation) ==
           Prompter::AnswerYes;
}

void ShutDown::saveSettings()
{
    const QSize size = m_host.windowSizeTwips();
    m_context.state.settings.MdiHeight = size.height();
    m_context.state.settings.MdiWidth = size.width();
    modProject::SaveIniFile(m_context);
}

void ShutDown::exitComm()
{
    if (m_callbacks.exitComm)
        m_callbacks.exitComm();
}

bool ShutDown::queryClose()
{
    bool cancel = false;
    m_host.setBusyCursor(true);
    if (m_host.closeEnabled() && m_fileCommands) {
        m_fileCommands->mnuFileClose_Click();
        cancel = m_context.state.CancelClose;
    }
    saveSettings();
    if (releaseModem(kShutDownAnyway) == false)
        cancel = true;
    exitComm();
    CompactErrors(m_context);
    m_host.setBusyCursor(false);
    return !cancel;
}

void ShutDown::unload()
{
    if (releaseModem(kTryAgain) == true && m_callbacks.modemReleaseCommand)
        m_callbacks.modemReleaseCommand();
    exitComm();
    m_host.unloadAllWindows();
}

void ShutDown::withoutQuestions()
{
    if (m_fileCommands)
        m_fileCommands->shutDownWithoutQuestions();
    saveSettings();
    releaseModem({});
    exitComm();
    CompactErrors(m_context);
}
