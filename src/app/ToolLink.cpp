#include "app/ToolLink.h"

#include "core/AppContext.h"
#include "core/BusyRules.h"
#include "editors/datetime/frmDate.h"
#include "link/Revisions.h"
#include "shell/AboutWithRevisions.h"
#include "shell/frmMenu.h"
#include "shell/frmMsgWait.h"
#include "ui/WindowRegistry.h"

#include <QCloseEvent>

namespace {
const QString kMenu = QStringLiteral("frmMenu");
} // namespace

TransferCommands::Hooks ToolLink::hooks(frmMenu &menu, FileCommands *files, std::function<void()> updateData)
{
    TransferCommands::Hooks h;
    h.host = &menu;
    h.files = files;
    h.updateData = std::move(updateData);
    h.runOnLink = [this](const std::function<void()> &job) { m_link.call(job); };
    return h;
}

ToolLink::ToolLink(AppContext &context, frmMenu &menu, WindowRegistry &windows, FileCommands *files, Options options)
    : m_context(context), m_menu(menu), m_ports(context.paths.IniFilePath()),
      m_comm(m_port, m_ports, context.state, context.log, context.paths, context.clock),
      m_engine(m_comm, context.state, context.log, context.paths),
      m_windows(context, &menu, [this] { m_link.call([this] { m_comm.files().closeCommLog(); }); }),
      m_commands(context, m_engine, m_windows, hooks(menu, files, std::move(options.updateData))), m_registry(windows),
      m_dateEngine(m_comm, context.clock), m_dateProgress(m_windows),
      m_dateTime(context, m_dateEngine, m_dateProgress,
                 {&menu, [this](const std::function<void()> &job) { m_link.call(job); },
                  [this](DateTimeSession &session) { showDateDialog(session); }})
{
    if (!options.device.isEmpty())
        m_ports.setOverride(options.device);
    else if (options.port >= PortMap::kFirstPort && options.port <= PortMap::kLastPort)
        m_ports.setOverride(m_ports.devicePath(options.port));

    menu.setCommand(QStringLiteral("mnuSend"), [this] { mnuSend_Click(); });
    menu.setCommand(QStringLiteral("mnuRx"), [this] { mnuRx_Click(); });
    menu.setCommand(QStringLiteral("mnuDate"), [this] { mnuDate_Click(); });
    menu.setExitComm([this] { m_link.call([this] { m_comm.Exit_Comm(); }); });
    windows.add(QStringLiteral("frmAbout"),
                [this](AppContext &ctx, QWidget *parent, int) { return createAbout(ctx, parent); });
    menu.installEventFilter(this);
}

ToolLink::~ToolLink()
{
    m_menu.removeEventFilter(this);
    // The port belongs to the link thread: it is closed there, before the thread stops.
    m_link.post([this] { m_comm.Exit_Comm(); });
}

QString ToolLink::devicePath() const
{
    const QString &device = m_ports.overrideDevice();
    return device.isEmpty() ? m_ports.devicePath(m_context.state.settings.CommPort) : device;
}

bool ToolLink::eventFilter(QObject *watched, QEvent *event)
{
    // The main window cannot be closed while an exchange with the controller
    // runs: shutting down would close the port under the transfer.
    if (watched == &m_menu && event->type() == QEvent::Close && m_busy) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ToolLink::runTransfer(bool send)
{
    if (m_busy)
        return;
    m_busy = true;
    m_windows.clearTransferMark();
    if (send)
        m_commands.mnuSend_Click();
    else
        m_commands.mnuRx_Click();
    m_busy = false;
    if (!m_windows.transferAttempted())
        return;
    // The failure message says the transfer failed; this one says why the port
    // could not be opened, so the user can act on it.
    const QString cause = m_commands.lastOutcome().openFailure;
    if (cause.isEmpty())
        return;
    m_context.log.LogError(ErrNo::DeviceNotAvailable, cause, kMenu, kMenu,
                           send ? QStringLiteral("mnuSend") : QStringLiteral("mnuRx"));
    m_context.prompter.message(cause, m_context.state.variant.ProductTitle, Prompter::Exclamation);
}

void DateTimeProgress::showProgress(const QString &caption, const QString &line)
{
    m_windows.showProgress();
    if (frmMsgWait *progress = m_windows.progressWindow()) {
        progress->SetModemComm();
        progress->ChangeCaption(caption);
        progress->setModemText(line);
    }
}

void ToolLink::mnuDate_Click()
{
    // A Send or Receive under way keeps the port: the command waits its turn.
    if (m_busy)
        return;
    m_busy = true;
    m_dateTime.mnuDate_Click();
    m_busy = false;
}

void ToolLink::showDateDialog(DateTimeSession &session)
{
    auto *dialog = qobject_cast<frmDate *>(m_registry.create(QStringLiteral("frmDate"), m_context, &m_menu));
    if (!dialog) {
        m_context.log.LogError(ErrNo::ObjectRequired, QStringLiteral("frmDate could not be created"), kMenu, kMenu,
                               QStringLiteral("mnuDate"));
        return;
    }
    dialog->Load(session);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->exec();
    delete dialog;
}

QWidget *ToolLink::createAbout(AppContext &context, QWidget *parent)
{
    const QString model = context.state.variant.ModelName;
    m_windows.showProgress();
    if (frmMsgWait *progress = m_windows.progressWindow()) {
        progress->SetModemComm();
        progress->ChangeCaption(QStringLiteral("Preparing to Communicate"));
        progress->setModemText(QStringLiteral("Preparing to communicate with ") + model + QStringLiteral(" system..."));
    }
    m_busy = true;
    const bool dialling = BusyRules::modemDialling(m_menu);
    // Opening the about box starts a new communications log.
    const Revisions revisions = m_link.call([this, dialling] {
        m_comm.files().closeCommLog();
        m_comm.files().createCommLog();
        m_comm.GetRevs(dialling);
        m_comm.files().closeCommLog();
        return m_comm.revisions();
    });
    m_busy = false;
    auto *about = new AboutWithRevisions(context, revisions.lines(), parent);
    m_windows.closeProgress();
    return about;
}
