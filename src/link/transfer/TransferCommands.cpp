#include "link/transfer/TransferCommands.h"

#include "config/ConfigRules.h"
#include "config/ValueCheck.h"
#include "core/AppContext.h"
#include "core/BusyRules.h"
#include "core/Capacities.h"
#include "core/FileCommands.h"
#include "core/MainWindowHost.h"
#include "core/ProgressSink.h"
#include "link/Revisions.h"
#include "link/transfer/TransferEngine.h"
#include "link/transfer/TransferScreen.h"
#include "platform/Database.h"

namespace {
const QString kLogFileName = QStringLiteral("log_file.txt");
const QString kFrmMenu = QStringLiteral("frmMenu");
constexpr int kPauseSeconds = 1;

// A failure message, followed by the device when it went away under the
// transfer, so the user looks at the cable rather than the configuration.
QString withLostDevice(const QString &failure, const QString &lostDevice)
{
    if (lostDevice.isEmpty())
        return failure;
    return failure + QStringLiteral("\r\nThe serial device ") + lostDevice +
           QStringLiteral(" went away (unplugged or switched off?).");
}
} // namespace

TransferCommands::TransferCommands(AppContext &context, TransferEngine &engine, TransferScreen &screen, Hooks hooks)
    : m_context(context), m_engine(engine), m_screen(screen), m_hooks(std::move(hooks))
{
    if (!m_hooks.pause)
        m_hooks.pause = [](int seconds) { Utility::Sleep(seconds); };
}

QString TransferCommands::modelName() const
{
    return m_context.state.variant.ModelName;
}

QString TransferCommands::title() const
{
    return m_context.state.variant.ProductTitle;
}

void TransferCommands::link(const std::function<void()> &job)
{
    if (m_hooks.runOnLink)
        m_hooks.runOnLink(job);
    else
        job();
}

bool TransferCommands::modemDialling() const
{
    return m_hooks.host && BusyRules::modemDialling(*m_hooks.host);
}

void TransferCommands::enableMenus()
{
    if (m_hooks.host)
        m_hooks.host->InableAllRootMenus();
}

void TransferCommands::setBusy(bool busy)
{
    if (m_hooks.host)
        m_hooks.host->setBusyCursor(busy);
}

bool TransferCommands::valuesAllowed()
{
    QList<ValueCheck::Problem> problems;
    {
        Database db(m_context.paths.TempDbPath(), Database::Mode::ReadOnly);
        problems = ValueCheck::check(db);
    }
    if (problems.isEmpty())
        return true;
    m_refused = true;
    m_context.log.LogError(ErrNo::InvalidProcedureCall, problems.first().text(), kFrmMenu, kFrmMenu,
                           QStringLiteral("mnuSend"));
    m_context.prompter.message(ValueCheck::message(problems), title(), Prompter::Exclamation);
    return false;
}

void TransferCommands::mnuSend_Click()
{
    m_succeeded = false;
    m_refused = false;
    m_lastOutcome = {};
    if (modemDialling())
        return;
    AppState &state = m_context.state;
    if (m_hooks.host) {
        m_hooks.host->DisableAllRootMenus();
        if (!m_hooks.host->SaveOpenForms(QStringLiteral("Send Data"))) {
            enableMenus();
            return;
        }
    }
    if (!state.configurationOpen() && m_hooks.files)
        m_hooks.files->mnuFileOpen_Click();
    m_screen.showProgress();
    m_screen.sink().WhatToDisplay(QStringLiteral("Preparing to send data..."), QString(), 1);
    if (!state.configurationOpen()) {
        enableMenus();
        m_screen.closeProgress();
        return;
    }
    // A value the controller would misread refuses the whole send before
    // anything, the revision request included, goes to the port. The refusal
    // is the only message: nothing was attempted that could have failed.
    if (!valuesAllowed()) {
        m_screen.closeProgress();
        enableMenus();
        return;
    }

    std::optional<QString> revision;
    link([&] { revision = m_engine.prepare(); });
    if (revision && *revision < Capacities::kSupportedControllerRev) {
        const auto answer =
            m_context.prompter.ask(SendWarningText(modelName()), title(), Prompter::YesNo, Prompter::Exclamation);
        if (answer != Prompter::AnswerYes) {
            enableMenus();
            m_screen.closeProgress();
            return;
        }
    }
    m_hooks.pause(kPauseSeconds);
    Send_Data();
    enableMenus();
    m_screen.closeProgress();
}

void TransferCommands::Send_Data()
{
    setBusy(true);
    m_screen.setMainWindowEnabled(false);
    TransferEngine::Outcome outcome;
    link([&] { outcome = m_engine.Send_Data(&m_screen.linkSink()); });
    m_lastOutcome = outcome;
    m_screen.setMainWindowEnabled(true);
    m_screen.closeProgress();
    setBusy(false);

    const QString failure = QStringLiteral("Error sending data to ") + modelName() + QStringLiteral(".");
    if (!outcome.portOpened) {
        m_context.prompter.message(failure, title(), Prompter::Exclamation);
        return;
    }
    // Success only when the controller acknowledged every record: a refused
    // record leaves the controller without part of the programming even when
    // the sequence went on to its end.
    if (outcome.delivered)
        m_context.prompter.message(QStringLiteral("Send data completed successfully."), title(), Prompter::Information);
    else
        m_context.prompter.message(withLostDevice(failure, outcome.lostDevice), title(), Prompter::Exclamation);
    m_succeeded = outcome.delivered;
    if (outcome.ExceptionsOccurred) {
        QString text = QStringLiteral("Exceptions have occurred while sending data to ") + modelName() +
                       QStringLiteral(". Check the Log file for more information.");
        if (!outcome.refused.isEmpty())
            text += QStringLiteral("\r\n\r\nRefused by the controller:\r\n") + outcome.refused.join(u"\r\n");
        m_screen.showExceptions(text, kLogFileName);
    }
}

void TransferCommands::mnuRx_Click()
{
    m_succeeded = false;
    m_lastOutcome = {};
    m_engine.ClidCount = 0;
    if (modemDialling())
        return;
    m_screen.showProgress();
    m_screen.sink().WhatToDisplay(QStringLiteral("Preparing to receive data..."), QString(), 1);
    if (m_hooks.host)
        m_hooks.host->DisableAllRootMenus();

    std::optional<QString> controllerRevision;
    link([&] { controllerRevision = m_engine.prepare(); });
    const QString revision = controllerRevision.value_or(QString());
    m_hooks.pause(kPauseSeconds);
    Receive_Data(revision);
    // Data from a controller older than the tool is brought up to date,
    // whatever the outcome of the transfer.
    if (revision < Capacities::kSupportedControllerRev && m_hooks.updateData)
        m_hooks.updateData();
    enableMenus();
    m_screen.closeProgress();
}

void TransferCommands::Receive_Data(const QString &revision)
{
    AppState &state = m_context.state;
    const AppPaths &paths = m_context.paths;
    if (!m_context.files.fcnCopyFile(paths.DefaultDbPath(), paths.TempDbPath()))
        m_context.prompter.message(QStringLiteral("Error receiving data into Database."), title(),
                                   Prompter::Exclamation);
    state.TotalEvents = 0;
    state.ExpansionBoards = 0;

    setBusy(true);
    m_screen.setMainWindowEnabled(false);
    TransferEngine::Outcome outcome;
    link([&] { outcome = m_engine.Receive_Data(revision, &m_screen.linkSink()); });
    m_lastOutcome = outcome;
    if (outcome.portOpened) {
        state.ExpansionBoards = outcome.ExpansionBoards;
        if (outcome.ClockBoard)
            state.ClockBoard = *outcome.ClockBoard;
    }

    const QString failure = QStringLiteral("Error receiving data");
    if (!outcome.portOpened) {
        m_screen.setMainWindowEnabled(true);
        m_screen.closeProgress();
        setBusy(false);
        m_context.prompter.message(failure, title(), Prompter::Exclamation);
        return;
    }
    if (outcome.ExceptionsOccurred)
        m_screen.showExceptions(
            QStringLiteral("Receiving exceptions have occurred. Check the Log file for more information."),
            kLogFileName);
    m_screen.setMainWindowEnabled(true);
    m_screen.closeProgress();
    setBusy(false);

    if (!outcome.delivered) {
        m_context.prompter.message(withLostDevice(failure, outcome.lostDevice), title(), Prompter::Exclamation);
        return;
    }
    m_context.prompter.message(QStringLiteral("Receive Data completed successfully."), title(), Prompter::Information);
    setBusy(true);
    // Boards the received configuration does not have carry no programming.
    modProject::Validate_Config(paths.TempDbPath(), state, m_context.log);
    modProject::GetTotalEvents(paths.TempDbPath(), state, m_context.log);
    state.CurrentFileName = state.untitled();
    if (m_hooks.host) {
        m_hooks.host->File_Menu_Options();
        m_hooks.host->showSwitchBoard();
        m_hooks.host->setCaption(title() + QStringLiteral(" - ") + state.untitled());
    }
    setBusy(false);
    m_succeeded = true;
}
