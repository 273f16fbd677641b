#include "shell/frmMenu.h"

#include "core/AppContext.h"
#include "core/BusyRules.h"
#include "core/CompactErrors.h"
#include "core/FileCommands.h"
#include "core/RecentFiles.h"
#include "core/RequiredFiles.h"
#include "core/SettingsFile.h"
#include "shell/frmAbout.h"
#include "shell/frmDebug.h"
#include "shell/frmHelp.h"
#include "shell/frmIntro.h"
#include "shell/frmSwitchBoard.h"
#include "ui/EditorWindow.h"
#include "ui/WindowRegistry.h"
#include "ui/WindowUtil.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>

namespace {
// A programming window's changes, through the editor contract; nothing for a
// window that cannot report them.
std::optional<bool> uncommittedChanges(QWidget *window)
{
    if (const auto *editor = dynamic_cast<const EditorWindow *>(window))
        return editor->UncommittedChanges();
    return std::nullopt;
}

const QString kName = QStringLiteral("frmMenu");
const QString kSystemConfiguration = QStringLiteral("System Configuration");
constexpr int kSchedules = 6;

// "Database Files (*.mdb)|*.mdb" → "Database Files (*.mdb)"
QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (") + QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                           QLatin1Char(')');
        out << description;
    }
    return out.isEmpty() ? filter : out.join(QStringLiteral(";;"));
}

// Windows that are not forms of the tool: menus, message boxes, file dialogs,
// tool tips, and windows that say so (the help viewer).
bool isForm(const QWidget *w)
{
    if (!w->isWindow())
        return false;
    const Qt::WindowType type = w->windowType();
    if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop || type == Qt::SplashScreen)
        return false;
    if (qobject_cast<const QMenu *>(w) || qobject_cast<const QMessageBox *>(w) || qobject_cast<const QFileDialog *>(w))
        return false;
    return !w->property("linnetNotAForm").toBool();
}

QMdiSubWindow *frameOf(const QWidget *w)
{
    return w ? qobject_cast<QMdiSubWindow *>(w->parentWidget()) : nullptr;
}
} // namespace

frmMenu::frmMenu(AppContext &context, const WindowRegistry &windows, QWidget *parent)
    : QMainWindow(parent), m_context(context), m_windows(windows), m_startUp(context)
{
    setObjectName(kName);
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MDIClient"));
    m_mdi->setBackground(palette().brush(QPalette::Dark));
    m_mdi->viewport()->installEventFilter(this);
    setCentralWidget(m_mdi);
    resize(twips(kDesignWidth), twips(kDesignHeight));
    buildMenus();
    qApp->installEventFilter(this);
    m_context.host = this;
}

frmMenu::~frmMenu()
{
    qApp->removeEventFilter(this);
    if (m_context.host == this)
        m_context.host = nullptr;
    while (m_busyDepth > 0)
        setBusyCursor(false);
}

void frmMenu::logError(int number, const QString &description, const QString &procedure)
{
    m_context.log.LogError(number, description, kName, kName, procedure);
}

// ---------------------------------------------------------------- menus

QMenu *frmMenu::addMenu(QWidget *parentMenu, const QString &name, const QString &caption)
{
    QMenu *menu = nullptr;
    if (auto *bar = qobject_cast<QMenuBar *>(parentMenu))
        menu = bar->addMenu(caption);
    else
        menu = static_cast<QMenu *>(parentMenu)->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    m_items.insert(name, menu->menuAction());
    return menu;
}

QAction *frmMenu::addItem(QWidget *menu, const QString &name, const QString &caption, std::function<void()> slot,
                          const QKeySequence &key)
{
    auto *action = new QAction(caption, menu);
    action->setObjectName(name);
    if (!key.isEmpty())
        action->setShortcut(key);
    if (slot)
        connect(action, &QAction::triggered, this, [slot = std::move(slot)] { slot(); });
    menu->addAction(action);
    m_items.insert(name, action);
    return action;
}

QAction *frmMenu::addSeparator(QMenu *menu, const QString &name)
{
    QAction *action = menu->addSeparator();
    action->setObjectName(name);
    m_items.insert(name, action);
    return action;
}

QAction *frmMenu::menuItem(const QString &name) const
{
    return m_items.value(name, nullptr);
}

void frmMenu::setItemEnabled(const QString &name, bool enabled)
{
    if (QAction *a = menuItem(name))
        a->setEnabled(enabled);
}

void frmMenu::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    const auto file = [this](const QString &name) {
        return [this, name] {
            if (!m_fileCommands)
                return;
            if (name == QLatin1String("New") || name == QLatin1String("Open")) {
                if (BusyRules::newOpenBusy(*this))
                    return;
                name == QLatin1String("New") ? m_fileCommands->mnuFileNew_Click() : m_fileCommands->mnuFileOpen_Click();
                return;
            }
            if (BusyRules::saveBusy(*this))
                return;
            if (name == QLatin1String("Close"))
                m_fileCommands->mnuFileClose_Click();
            else if (name == QLatin1String("Save"))
                m_fileCommands->mnuFileSave_Click();
            else
                m_fileCommands->mnuFileSaveAs_Click();
        };
    };
    const auto command = [this](const QString &name) { return [this, name] { runCommand(name); }; };

    QMenu *mFile = addMenu(bar, QStringLiteral("mnuFile"), QStringLiteral("&File"));
    addItem(mFile, QStringLiteral("mnuFileNew"), QStringLiteral("&New"), file(QStringLiteral("New")),
            QKeySequence(Qt::CTRL | Qt::Key_N));
    addItem(mFile, QStringLiteral("mnuFileOpen"), QStringLiteral("&Open..."), file(QStringLiteral("Open")),
            QKeySequence(Qt::CTRL | Qt::Key_O));
    addItem(mFile, QStringLiteral("mnuFileClose"), QStringLiteral("&Close"), file(QStringLiteral("Close")));
    addSeparator(mFile, QStringLiteral("mnuFileDiv"));
    addItem(mFile, QStringLiteral("mnuFileSave"), QStringLiteral("&Save"), file(QStringLiteral("Save")),
            QKeySequence(Qt::CTRL | Qt::Key_S));
    addItem(mFile, QStringLiteral("mnuFileSaveAs"), QStringLiteral("Save &As..."), file(QStringLiteral("SaveAs")));
    addSeparator(mFile, QStringLiteral("mnuTxRxDiv"));
    QMenu *mCom = addMenu(mFile, QStringLiteral("mnuComSetup"), QStringLiteral("&Communications Setup"));
    addItem(mCom, QStringLiteral("mnuComPort"), QStringLiteral("&ComPort Selection"), [this] { mnuComPort_Click(); });
    addItem(mCom, QStringLiteral("mnuRemoteModem"), QStringLiteral("&Remote Modem Setup"),
            command(QStringLiteral("mnuRemoteModem")));
    addSeparator(mFile, QStringLiteral("mnuModemDiv"));
    QMenu *mModem = addMenu(mFile, QStringLiteral("mnuModem"), QStringLiteral("&Modem"));
    addItem(mModem, QStringLiteral("mnuModemConnect"), QStringLiteral("Modem &Connect"),
            command(QStringLiteral("mnuModemConnect")));
    addItem(mModem, QStringLiteral("mnuManualConnect"), QStringLiteral("Ma&nual  Connect"),
            command(QStringLiteral("mnuManualConnect")));
    addSeparator(mModem, QStringLiteral("mnuManConnDiv"));
    addItem(mModem, QStringLiteral("mnuModemRelease"), QStringLiteral("Modem &Release"),
            command(QStringLiteral("mnuModemRelease")));
    addSeparator(mFile, QStringLiteral("mnuReceiveDiv"));
    addItem(mFile, QStringLiteral("mnuRx"), QStringLiteral("&Receive data from Linnet"),
            command(QStringLiteral("mnuRx")));
    addItem(mFile, QStringLiteral("mnuSend"), QStringLiteral("Sen&d data to Linnet"),
            command(QStringLiteral("mnuSend")));
    addSeparator(mFile, QStringLiteral("mnuPrintDiv"));
    addItem(
        mFile, QStringLiteral("mnuPrint"), QStringLiteral("&Print..."), [this] { mnuPrint_Click(); },
        QKeySequence(Qt::CTRL | Qt::Key_P));
    addSeparator(mFile, QStringLiteral("mnuFileArray0"))->setVisible(false);
    for (int i = 1; i <= 4; ++i)
        addItem(mFile, QStringLiteral("mnuFileArray%1").arg(i), QString(), [this, i] {
            mnuFileArray_Click(i);
        })->setVisible(false);
    addSeparator(mFile, QStringLiteral("mnuExitDiv"));
    addItem(mFile, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), [this] { mnuExit_Click(); });

    addItem(bar, QStringLiteral("mnuConfig"), QStringLiteral("&Configuration"), [this] { mnuConfig_Click(); });

    QMenu *mSched = addMenu(bar, QStringLiteral("mnuSchedules"), QStringLiteral("&Schedules"));
    for (int n = 1; n <= kSchedules; ++n)
        addItem(mSched, QStringLiteral("mnuSched%1").arg(n), QStringLiteral("Schedule &%1").arg(n),
                [this, n] { mnuSched_Click(n); });
    addSeparator(mSched, QStringLiteral("mnuSchedDiv"));
    addItem(mSched, QStringLiteral("mnuAllSched"), QStringLiteral("&All Schedules"), [this] { mnuAllSched_Click(); });
    addSeparator(mSched, QStringLiteral("mnudash11"));
    addItem(mSched, QStringLiteral("mnuClocks"), QStringLiteral("&Clocks"), [this] { mnuClocks_Click(); });

    QMenu *mStation = addMenu(bar, QStringLiteral("mnuStation"), QStringLiteral("S&tation"));
    addItem(mStation, QStringLiteral("mnuArchNum"), QStringLiteral("&ArchNumber / CLID"),
            [this] { mnuArchNum_Click(); });
    addItem(mStation, QStringLiteral("mnuClassService"), QStringLiteral("&Class Of Service"),
            [this] { mnuClassService_Click(); });

    addItem(bar, QStringLiteral("mnuPageGroup"), QStringLiteral("Custom &Page Groups"),
            [this] { mnuPageGroup_Click(); });
    addItem(bar, QStringLiteral("mnuSysOpt"), QStringLiteral("S&ystem"), [this] { mnuSysOpt_Click(); });
    addItem(bar, QStringLiteral("mnuBGM"), QStringLiteral("A&udio Connections"), [this] { mnuBGM_Click(); });
    addItem(bar, QStringLiteral("mnuDate"), QStringLiteral("&Date/Time"), command(QStringLiteral("mnuDate")));

    QMenu *mWindow = addMenu(bar, QStringLiteral("mnuWindow"), QStringLiteral("&Window"));
    addItem(mWindow, QStringLiteral("mnuWindowCloseAll"), QStringLiteral("&Close All"),
            [this] { mnuWindowCloseAll_Click(); });
    QAction *sb = addItem(mWindow, QStringLiteral("mnuSwitchBoard"), QStringLiteral("SwitchBoard"));
    sb->setCheckable(true);
    sb->setEnabled(false);
    // The command decides from the mark as it was before the click.
    connect(sb, &QAction::triggered, this, [this, sb](bool checked) {
        sb->setChecked(!checked);
        mnuSwitchBoard_Click();
    });
    connect(mWindow, &QMenu::aboutToShow, this, &frmMenu::fillWindowList);

    QMenu *mHelp = addMenu(bar, QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    addItem(
        mHelp, QStringLiteral("mnuHelpContents"), QStringLiteral("&Contents"), [this] { mnuHelpContents_Click(); },
        QKeySequence(Qt::Key_F1));
    addItem(mHelp, QStringLiteral("mnuHelpAbout"), QStringLiteral("&About"), [this] { mnuHelpAbout_Click(); });
    addItem(mHelp, QStringLiteral("mnuDebug"), QStringLiteral("Debug"), [this] { mnuDebug_Click(); });
}

void frmMenu::fillWindowList()
{
    QMenu *menu = findChild<QMenu *>(QStringLiteral("mnuWindow"));
    for (QAction *a : std::as_const(m_windowListActions)) {
        menu->removeAction(a);
        a->deleteLater();
    }
    m_windowListActions.clear();
    const QList<QMdiSubWindow *> frames = m_mdi->subWindowList(QMdiArea::CreationOrder);
    if (frames.isEmpty())
        return;
    m_windowListActions << menu->addSeparator();
    int n = 0;
    for (QMdiSubWindow *frame : frames) {
        QAction *a = menu->addAction(QStringLiteral("&%1 %2").arg(++n).arg(frame->windowTitle()));
        a->setCheckable(true);
        a->setChecked(frame == m_mdi->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, frame = QPointer<QMdiSubWindow>(frame)] {
            if (frame)
                m_mdi->setActiveSubWindow(frame);
        });
        m_windowListActions << a;
    }
}

void frmMenu::setCommand(const QString &menuName, std::function<void()> handler)
{
    m_commands.insert(menuName, std::move(handler));
}

void frmMenu::runCommand(const QString &menuName)
{
    if (const auto it = m_commands.constFind(menuName); it != m_commands.constEnd() && *it) {
        (*it)();
        return;
    }
    // Without a handler, a command that only shows its window does so.
    static const QHash<QString, QString> windows = {
        {QStringLiteral("mnuDate"), QStringLiteral("frmDate")},
        {QStringLiteral("mnuComPort"), QStringLiteral("frmComPort")},
        {QStringLiteral("mnuRemoteModem"), QStringLiteral("frmRemoteModem")}};
    if (windows.contains(menuName) && m_windows.has(windows.value(menuName)))
        showModal(windows.value(menuName));
}

// ---------------------------------------------------------------- lifecycle states

void frmMenu::Init_Menu_Options()
{
    for (const char *name : {"mnuConfig", "mnuSchedules", "mnuStation", "mnuPageGroup", "mnuSysOpt", "mnuBGM",
                             "mnuFileClose", "mnuFileSaveAs", "mnuPrint", "mnuFileSave", "mnuSwitchBoard"})
        setItemEnabled(QString::fromLatin1(name), false);
    for (const char *name : {"mnuFileNew", "mnuFileOpen", "mnuRx"})
        setItemEnabled(QString::fromLatin1(name), true);
    for (int i = 1; i <= 4; ++i)
        setItemEnabled(QStringLiteral("mnuFileArray%1").arg(i), true);
}

void frmMenu::File_Menu_Options()
{
    for (const char *name : {"mnuConfig", "mnuSchedules", "mnuStation", "mnuPageGroup", "mnuSysOpt", "mnuBGM",
                             "mnuFileClose", "mnuFileSaveAs", "mnuPrint"})
        setItemEnabled(QString::fromLatin1(name), true);
    setItemEnabled(QStringLiteral("mnuClocks"), m_context.state.ClockBoard);
    for (const char *name : {"mnuFileNew", "mnuFileOpen", "mnuRx"})
        setItemEnabled(QString::fromLatin1(name), false);
    for (int i = 1; i <= 4; ++i)
        setItemEnabled(QStringLiteral("mnuFileArray%1").arg(i), false);
}

bool frmMenu::initializeWindow()
{
    setCaption(m_context.state.variant.ProductTitle);
    if (!RequiredFiles(m_context).CheckRequiredFiles())
        return false;
    Init_Menu_Options();
    AppState &s = m_context.state;
    s.CurrentFileName.clear();
    s.TotalEvents = 0;
    s.ExpansionBoards = 0;
    s.ClockBoard = false;
    s.UnsavedChanges = false;
    s.DateTimeInProgress = false;
    return true;
}

void frmMenu::Initialize()
{
    if (!initializeWindow())
        exitTool();
}

void frmMenu::exitTool()
{
    m_exiting = true;
    hide();
    QCoreApplication::exit(1);
}

void frmMenu::DisableAllRootMenus()
{
    for (const char *name : {"mnuFile", "mnuDate", "mnuHelp"})
        setItemEnabled(QString::fromLatin1(name), false);
}

void frmMenu::InableAllRootMenus()
{
    for (const char *name : {"mnuFile", "mnuDate", "mnuHelp"})
        setItemEnabled(QString::fromLatin1(name), true);
}

bool frmMenu::SetProjectOptions()
{
    const VariantRecord &v = m_context.state.variant;
    menuItem(QStringLiteral("mnuDebug"))->setVisible(m_context.state.settings.DebugMenu != 0);
    setCaption(v.ProductTitle);
    menuItem(QStringLiteral("mnuRx"))->setText(QStringLiteral("&Receive data from ") + v.ModelName);
    menuItem(QStringLiteral("mnuSend"))->setText(QStringLiteral("Sen&d data to ") + v.ModelName);
    const QString icon = FileOps::resolve(m_context.paths.appDir() + v.IconName);
    if (!v.IconName.isEmpty() && QFileInfo(icon).isFile())
        setWindowIcon(QIcon(icon));
    return true;
}

QString frmMenu::caption() const
{
    return windowTitle();
}

void frmMenu::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

bool frmMenu::saveEnabled() const
{
    return menuItem(QStringLiteral("mnuFileSave"))->isEnabled();
}

void frmMenu::setSaveEnabled(bool enabled)
{
    setItemEnabled(QStringLiteral("mnuFileSave"), enabled);
}

void frmMenu::disableModemRelease()
{
    setItemEnabled(QStringLiteral("mnuModemRelease"), false);
}

// ---------------------------------------------------------------- start-up

bool frmMenu::Load(bool showSplash)
{
    return m_startUp.run(*this, showSplash);
}

QSize frmMenu::designSizeTwips() const
{
    return QSize(kDesignWidth, kDesignHeight);
}

QSize frmMenu::screenSizeTwips() const
{
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize px = s ? s->geometry().size() : QSize(twips(kDesignWidth), twips(kDesignHeight));
    return px * kTwipsPerPixel;
}

void frmMenu::placeMainWindow(QSize sizeTwips, bool maximised)
{
    if (maximised) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    resize(twips(sizeTwips.width()), twips(sizeTwips.height()));
    CenterScreen(this);
}

void frmMenu::showSplash()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    frmIntro splash(m_context);
    splash.exec();
    QApplication::restoreOverrideCursor();
}

// ---------------------------------------------------------------- recent files

void frmMenu::UpdateFileArray(const QString &file)
{
    RecentFiles::UpdateFileArray(m_context.state.settings.FileArray, file);
    DisplayFileArray();
}

void frmMenu::DisplayFileArray()
{
    for (const RecentFiles::Item &item : RecentFiles::displayItems(m_context.state.settings.FileArray)) {
        menuItem(QStringLiteral("mnuFileArray0"))->setVisible(true);
        QAction *a = menuItem(QStringLiteral("mnuFileArray%1").arg(item.index));
        a->setText(item.caption);
        a->setVisible(true);
    }
}

void frmMenu::mnuFileArray_Click(int index)
{
    if (index < 1 || index > 4) {
        logError(ErrNo::SubscriptOutOfRange, QString(), QStringLiteral("mnuFileArray"));
        return;
    }
    // By value: opening moves this entry to the top of the list, and a
    // reference into the list would then name the entry that moved into its place.
    const QString file = m_context.state.settings.FileArray[index - 1];
    if (m_fileCommands)
        m_fileCommands->OpenDatabase(file);
}

// ---------------------------------------------------------------- loaded windows

void frmMenu::trackWindow(QWidget *window)
{
    for (const QPointer<QWidget> &w : std::as_const(m_loadOrder))
        if (w == window)
            return;
    m_loadOrder.append(window);
}

QList<QWidget *> frmMenu::loadedWindows() const
{
    QList<QWidget *> out{const_cast<frmMenu *>(this)};
    for (const QPointer<QWidget> &w : m_loadOrder) {
        if (!w || w == this)
            continue;
        const QMdiSubWindow *frame = frameOf(w);
        // Hidden only by a hidden main window still counts as loaded.
        if (!w->isHidden() && (!frame || !frame->isHidden()))
            out.append(w);
    }
    return out;
}

int frmMenu::loadedWindowCount() const
{
    return int(loadedWindows().size());
}

QString frmMenu::loadedWindowCaption(int index) const
{
    const QList<QWidget *> windows = loadedWindows();
    return index >= 0 && index < windows.size() ? windows[index]->windowTitle() : QString();
}

QString frmMenu::loadedWindowName(int index) const
{
    const QList<QWidget *> windows = loadedWindows();
    return index >= 0 && index < windows.size() ? windows[index]->objectName() : QString();
}

bool frmMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *w = static_cast<QWidget *>(watched);
        if (auto *frame = qobject_cast<QMdiSubWindow *>(w)) {
            if (frame->mdiArea() == m_mdi && frame->widget())
                trackWindow(frame->widget());
        } else if (w != this && isForm(w)) {
            trackWindow(w);
        }
    } else if (watched == m_mdi->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        bringProgressWindowToFront();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMenu::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    bringProgressWindowToFront();
}

void frmMenu::bringProgressWindowToFront()
{
    const int index = BusyRules::progressWindowIndex(*this);
    if (index < 0)
        return;
    QWidget *w = loadedWindows().value(index);
    w->raise();
    w->activateWindow();
    w->setFocus();
}

void frmMenu::bringToTop(QWidget *window)
{
    if (QMdiSubWindow *frame = frameOf(window)) {
        m_mdi->setActiveSubWindow(frame);
        frame->raise();
    } else {
        window->raise();
        window->activateWindow();
    }
}

void frmMenu::unloadWindow(QWidget *window)
{
    if (!window || window == this)
        return;
    if (QMdiSubWindow *frame = frameOf(window)) {
        frame->close();
        return;
    }
    if (window->close() && !window->testAttribute(Qt::WA_DeleteOnClose))
        window->deleteLater();
}

void frmMenu::unloadAllChildren()
{
    const QList<QWidget *> windows = loadedWindows();
    for (int i = int(windows.size()) - 1; i >= 1; --i)
        unloadWindow(windows[i]);
}

void frmMenu::SaveOpenForms(const QString &title)
{
    AppState &s = m_context.state;
    s.CancelClose = false;
    const QList<QWidget *> loaded = loadedWindows();
    if (loaded.size() <= 1) {
        s.AcceptAllChanges = false;
        return;
    }
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : loaded)
        windows << w;
    for (int i = int(windows.size()) - 1; i >= 1; --i) {
        QWidget *w = windows[i];
        if (!w)
            continue;
        bringToTop(w);
        if (uncommittedChanges(w).value_or(false)) {
            const Prompter::Answer answer =
                s.AcceptAllChanges ? Prompter::AnswerYes
                                   : m_context.prompter.ask(QStringLiteral("Accept changes to ") + w->windowTitle() +
                                                                QStringLiteral("?"),
                                                            title, Prompter::YesNoCancel, Prompter::Exclamation);
            EditorWindow *editor = dynamic_cast<EditorWindow *>(w);
            if (answer == Prompter::AnswerYes) {
                editor->cmdOk_Click();
            } else if (answer == Prompter::AnswerNo) {
                editor->cmdCancel_Click();
            } else {
                s.CancelClose = true;
                s.AcceptAllChanges = false;
                if (windows[i]) {
                    bringToTop(windows[i]);
                    windows[i]->setFocus();
                }
                return;
            }
        } else if (w->windowTitle() != kSwitchBoardCaption) {
            unloadWindow(w);
        }
    }
    s.AcceptAllChanges = false;
}

void frmMenu::UpdateFileSaveOpt()
{
    if (!m_context.state.UnsavedChanges)
        setSaveEnabled(false);
    const QList<QWidget *> windows = loadedWindows();
    if (windows.size() <= 1)
        return;
    for (int i = 1; i < windows.size(); ++i) {
        if (windows[i]->objectName().compare(kName, Qt::CaseInsensitive) == 0)
            continue;
        if (uncommittedChanges(windows[i]).value_or(false)) {
            setSaveEnabled(true);
            return;
        }
    }
}

// ---------------------------------------------------------------- child windows

QWidget *frmMenu::openChild(const QString &name, int arg)
{
    // Looked up afresh after every call that may open another window: that
    // window's entry can rehash m_singleWindows, and a reference kept across
    // it would point into freed storage.
    const auto slotOf = [this, &name, arg]() -> QPointer<QWidget> & {
        return name == QLatin1String("frmSched") ? m_scheduleWindows[arg - 1] : m_singleWindows[name];
    };
    QPointer<QWidget> slot = slotOf();
    if (!slot) {
        if (!m_windows.has(name))
            return nullptr;
        QWidget *w = m_windows.create(name, m_context, m_mdi, arg);
        if (!w) {
            logError(ErrNo::ObjectRequired, name + QStringLiteral(" could not be created"), QStringLiteral("Load"));
            return nullptr;
        }
        w->setAttribute(Qt::WA_DeleteOnClose);
        // Windows give their own size in their constructor; the frame around
        // them adds the title bar and borders.
        const QSize wanted = w->size();
        QMdiSubWindow *frame = m_mdi->addSubWindow(w);
        frame->setWindowIcon(windowIcon());
        if (w->testAttribute(Qt::WA_Resized))
            frame->resize(wanted + (frame->sizeHint() - w->sizeHint()));
        slotOf() = w;
        slot = w;
        trackWindow(w);
    }
    QMdiSubWindow *frame = frameOf(slot);
    if (frame) {
        if (frame->isMinimized())
            frame->showNormal();
        else
            frame->show();
        slot->show();
    }
    bringToTop(slot);
    return slot;
}

bool frmMenu::editorsBusy() const
{
    return BusyRules::editorsBusy(*this, m_context.state.variant.ProductTitle);
}

void frmMenu::mnuSched_Click(int schedule)
{
    if (schedule < 1 || schedule > kSchedules || editorsBusy())
        return;
    if (!m_windows.has(QStringLiteral("frmSched")))
        return;
    m_context.state.CurrentSchedule = schedule;
    openChild(QStringLiteral("frmSched"), schedule);
}

void frmMenu::mnuAllSched_Click()
{
    if (editorsBusy())
        return;
    for (int n = kSchedules; n >= 1; --n)
        mnuSched_Click(n);
}

void frmMenu::mnuClocks_Click()
{
    openChild(QStringLiteral("frmClock"));
}

void frmMenu::mnuArchNum_Click()
{
    if (!editorsBusy())
        openChild(QStringLiteral("frmClid"));
}

void frmMenu::mnuClassService_Click()
{
    if (!editorsBusy())
        openChild(QStringLiteral("frmClassService"));
}

void frmMenu::mnuPageGroup_Click()
{
    if (!editorsBusy())
        openChild(QStringLiteral("frmPage"));
}

void frmMenu::mnuSysOpt_Click()
{
    if (!editorsBusy())
        openChild(QStringLiteral("frmDip"));
}

void frmMenu::mnuBGM_Click()
{
    if (!editorsBusy())
        openChild(QStringLiteral("frmBgm"));
}

void frmMenu::QuickMenu(const QString &name)
{
    for (int n = 1; n <= kSchedules; ++n) {
        if (name == QStringLiteral("Schedule %1").arg(n)) {
            mnuSched_Click(n);
            return;
        }
    }
    if (name == QLatin1String("Clock")) {
        mnuClocks_Click();
    } else if (name == QLatin1String("Custom Page Groups")) {
        mnuPageGroup_Click();
    } else if (name == QLatin1String("Audio Connections")) {
        mnuBGM_Click();
    } else if (name == QLatin1String("System")) {
        mnuSysOpt_Click();
    } else if (name == QLatin1String("ArchNumber / CLID")) {
        mnuArchNum_Click();
    } else if (name == QLatin1String("Class Of Service")) {
        mnuClassService_Click();
    } else if (name == QLatin1String("All")) {
        mnuAllSched_Click();
        if (m_context.state.ClockBoard)
            mnuClocks_Click();
        mnuSysOpt_Click();
        mnuPageGroup_Click();
        mnuBGM_Click();
        mnuArchNum_Click();
        mnuClassService_Click();
    }
}

bool frmMenu::showModal(const QString &windowName)
{
    if (!m_windows.has(windowName))
        return false;
    QWidget *w = m_windows.create(windowName, m_context, this, 0);
    if (!w) {
        logError(ErrNo::ObjectRequired, windowName + QStringLiteral(" could not be created"), QStringLiteral("Load"));
        return false;
    }
    if (auto *dialog = qobject_cast<QDialog *>(w)) {
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->exec();
        delete dialog;
        return true;
    }
    QPointer<QWidget> guard(w);
    w->setWindowFlag(Qt::Window);
    w->setWindowModality(Qt::ApplicationModal);
    w->setAttribute(Qt::WA_DeleteOnClose);
    QEventLoop loop;
    connect(w, &QObject::destroyed, &loop, &QEventLoop::quit);
    w->show();
    loop.exec();
    return true;
}

void frmMenu::mnuConfig_Click()
{
    const QList<QWidget *> windows = loadedWindows();
    const bool onlySwitchBoard = windows.size() == 2 && windows[1]->windowTitle() == kSwitchBoardCaption;
    if (windows.size() > 1 && !onlySwitchBoard) {
        if (editorsBusy())
            return;
        bool changes = false;
        for (int i = int(windows.size()) - 1; i >= 1 && !changes; --i) {
            changes = uncommittedChanges(windows[i]).value_or(true);
        }
        const QString text =
            QStringLiteral("Cannot open the System Configuration window until all open windows are closed.\r\n"
                           "(Changing the configuration affects available programming options.)\r\n\r\n") +
            (changes ? QStringLiteral("You will be asked to accept or reject changes to open windows.  Continue?")
                     : QStringLiteral("Continue?"));
        if (m_context.prompter.ask(text, m_context.state.variant.ProductTitle, Prompter::YesNo,
                                   Prompter::Exclamation) != Prompter::AnswerYes)
            return;
    }
    SaveOpenForms(kSystemConfiguration);
    if (m_context.state.CancelClose)
        return;
    showModal(QStringLiteral("frmConfig"));
    if (m_switchBoard)
        m_switchBoard->reload();
    raise();
    activateWindow();
}

void frmMenu::mnuPrint_Click()
{
    if (BusyRules::saveBusy(*this))
        return;
    SaveOpenForms(QStringLiteral("Print"));
    if (m_context.state.CancelClose)
        return;
    showModal(QStringLiteral("frmPrint"));
}

void frmMenu::mnuComPort_Click()
{
    if (const auto it = m_commands.constFind(QStringLiteral("mnuComPort")); it != m_commands.constEnd() && *it) {
        (*it)();
        return;
    }
    if (BusyRules::saveBusy(*this))
        return;
    if (menuItem(QStringLiteral("mnuModemRelease"))->isEnabled()) {
        m_context.prompter.message(QStringLiteral("You have to Release Modem before proceeding."),
                                   QStringLiteral("Remote Modem Connection"));
        return;
    }
    showModal(QStringLiteral("frmComPort"));
}

void frmMenu::mnuWindowCloseAll_Click()
{
    if (BusyRules::newOpenBusy(*this))
        return;
    const QList<QWidget *> windows = loadedWindows();
    for (int i = int(windows.size()) - 1; i >= 1; --i)
        if (windows[i]->windowTitle() != kSwitchBoardCaption)
            unloadWindow(windows[i]);
}

frmSwitchBoard *frmMenu::switchBoard() const
{
    return m_switchBoard;
}

void frmMenu::showSwitchBoard()
{
    if (!m_switchBoard) {
        m_switchBoard = new frmSwitchBoard(m_context, *this);
        connect(m_switchBoard, &frmSwitchBoard::unloaded, this,
                [this] { menuItem(QStringLiteral("mnuSwitchBoard"))->setChecked(false); });
        trackWindow(m_switchBoard);
    }
    m_switchBoard->show();
    QAction *item = menuItem(QStringLiteral("mnuSwitchBoard"));
    item->setEnabled(true);
    item->setChecked(true);
}

void frmMenu::mnuSwitchBoard_Click()
{
    QAction *item = menuItem(QStringLiteral("mnuSwitchBoard"));
    if (item->isChecked()) {
        item->setChecked(false);
        if (m_switchBoard)
            m_switchBoard->close();
    } else {
        showSwitchBoard();
    }
}

void frmMenu::mnuHelpContents_Click()
{
    if (BusyRules::helpBusy(*this, m_context.state.variant.ProductTitle))
        return;
    const QString name = m_context.state.variant.HelpFileName;
    const QString path = FileOps::resolve(m_context.paths.appDir() + QLatin1Char('/') + name);
    if (!QFileInfo(path).isFile()) {
        logError(ErrNo::FileNotFound, QStringLiteral("Help file ") + name + QStringLiteral(" not found"),
                 QStringLiteral("mnuHelp"));
        return;
    }
    if (!m_helpWindow) {
        m_helpWindow = new frmHelp(this);
        CenterScreen(m_helpWindow);
    }
    auto *help = static_cast<frmHelp *>(m_helpWindow.data());
    help->setWindowTitle(m_context.state.variant.ProductTitle + QStringLiteral(" - Help"));
    if (!help->showFile(path, name.right(3).toUpper() == QLatin1String("CHM")))
        logError(ErrNo::PathFileAccessError, QStringLiteral("Cannot read help file ") + name,
                 QStringLiteral("mnuHelp"));
    help->show();
    help->raise();
    help->activateWindow();
}

void frmMenu::mnuHelpAbout_Click()
{
    if (BusyRules::helpBusy(*this, m_context.state.variant.ProductTitle))
        return;
    DisableAllRootMenus();
    // A fuller about box (with the controller's revisions) may be registered.
    if (!showModal(QStringLiteral("frmAbout"))) {
        frmAbout about(m_context, this);
        about.exec();
    }
    InableAllRootMenus();
}

void frmMenu::mnuDebug_Click()
{
    frmDebug debug(m_context, this);
    debug.exec();
}

void frmMenu::mnuExit_Click()
{
    if (!m_context.state.CurrentFileName.isEmpty() && m_fileCommands)
        m_fileCommands->mnuFileClose_Click();
    if (m_context.state.CurrentFileName.isEmpty())
        close();
}

// ---------------------------------------------------------------- shut-down

void frmMenu::closeEvent(QCloseEvent *event)
{
    if (m_exiting) {
        event->accept();
        return;
    }
    AppState &s = m_context.state;
    bool cancel = false;
    setBusyCursor(true);
    if (menuItem(QStringLiteral("mnuFileClose"))->isEnabled() && m_fileCommands) {
        m_fileCommands->mnuFileClose_Click();
        cancel = s.CancelClose;
    }
    const QSize sizeTwips = size() * kTwipsPerPixel;
    s.settings.MdiHeight = sizeTwips.height();
    s.settings.MdiWidth = sizeTwips.width();
    modProject::SaveIniFile(m_context);

    const QString modemTitle = QStringLiteral("System Configuration");
    if (s.ModemReleasing) {
        m_context.prompter.ask(QStringLiteral("Modem is being Released. "), modemTitle, Prompter::YesNo,
                               Prompter::Exclamation);
    } else if (menuItem(QStringLiteral("mnuModemRelease"))->isEnabled() && m_releaseModem && !m_releaseModem()) {
        if (m_context.prompter.ask(QStringLiteral("Modem Release Unsuccessful. Shut down anyway?"), modemTitle,
                                   Prompter::YesNo, Prompter::Exclamation) == Prompter::AnswerNo)
            cancel = true;
    }
    if (m_exitComm)
        m_exitComm();
    CompactErrors(m_context);
    setBusyCursor(false);

    if (cancel) {
        event->ignore();
        return;
    }
    event->accept();
    shutDownUnload();
}

void frmMenu::shutDownWithoutQuestions()
{
    if (m_exiting)
        return;
    m_exiting = true;
    AppState &s = m_context.state;
    if (m_fileCommands)
        m_fileCommands->shutDownWithoutQuestions();
    const QSize sizeTwips = size() * kTwipsPerPixel;
    s.settings.MdiHeight = sizeTwips.height();
    s.settings.MdiWidth = sizeTwips.width();
    modProject::SaveIniFile(m_context);
    // A modem link is released; whether that worked is not asked about.
    if (!s.ModemReleasing && menuItem(QStringLiteral("mnuModemRelease"))->isEnabled() && m_releaseModem &&
        !m_releaseModem())
        logError(ErrNo::DeviceNotAvailable, QStringLiteral("Modem Release Unsuccessful"),
                 QStringLiteral("shutDownWithoutQuestions"));
    if (m_exitComm)
        m_exitComm();
    CompactErrors(m_context);
}

void frmMenu::shutDownUnload()
{
    AppState &s = m_context.state;
    const QString modemTitle = QStringLiteral("System Configuration");
    if (s.ModemReleasing) {
        m_context.prompter.ask(QStringLiteral("Modem is being Released. "), modemTitle, Prompter::YesNo,
                               Prompter::Exclamation);
    } else if (menuItem(QStringLiteral("mnuModemRelease"))->isEnabled() && m_releaseModem && !m_releaseModem()) {
        if (m_context.prompter.ask(QStringLiteral("Modem Release Unsuccessful. Do you want to try again?"), modemTitle,
                                   Prompter::YesNo, Prompter::Exclamation) == Prompter::AnswerYes)
            runCommand(QStringLiteral("mnuModemRelease"));
    }
    if (m_exitComm)
        m_exitComm();
    const QList<QWidget *> windows = loadedWindows();
    for (int i = int(windows.size()) - 1; i >= 1; --i)
        unloadWindow(windows[i]);
    if (m_helpWindow)
        m_helpWindow->close();
}

void frmMenu::setBusyCursor(bool busy)
{
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++m_busyDepth;
    } else if (m_busyDepth > 0) {
        QApplication::restoreOverrideCursor();
        --m_busyDepth;
    }
}

std::optional<QString> frmMenu::chooseOpenFile(const QString &filter)
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), QString(), qtFilter(filter));
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<QString> frmMenu::chooseSaveFile(const QString &filter, const QString &proposed)
{
    // The overwrite question is asked by Save As about the name the file is
    // saved under (upper case, ".MDB" added), not here about the name as typed.
    const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Save As"), proposed, qtFilter(filter),
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}
