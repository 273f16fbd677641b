#include "shell/frmMenu.h"

#include "core/AppContext.h"
#include "core/BusyRules.h"
#include "core/FileCommands.h"
#include "core/RecentFiles.h"
#include "core/RequiredFiles.h"
#include "shell/ChildWindows.h"
#include "shell/HelpCommands.h"
#include "shell/MenuItems.h"
#include "shell/ModalCommands.h"
#include "shell/frmIntro.h"
#include "shell/frmSwitchBoard.h"
#include "ui/WindowRegistry.h"
#include "ui/WindowUtil.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QIcon>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace {
const QString kName = QStringLiteral("frmMenu");
} // namespace

frmMenu::frmMenu(AppContext &context, const WindowRegistry &windows, QWidget *parent)
    : QMainWindow(parent), m_context(context), m_windows(windows), m_startUp(context), m_shutDown(context, *this)
{
    setObjectName(kName);
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MDIClient"));
    m_mdi->setBackground(palette().brush(QPalette::Dark));
    m_mdi->viewport()->installEventFilter(this);
    setCentralWidget(m_mdi);
    resize(twips(kDesignWidth), twips(kDesignHeight));
    m_children = new ChildWindows(context, windows, *this, *m_mdi);
    m_editors = std::make_unique<EditorCommands>(context, windows, *m_children, *this);
    m_modal = std::make_unique<ModalCommands>(context, windows, *m_children, *this, *this);
    m_help = std::make_unique<HelpCommands>(context, *this, *m_modal, *this);
    menuBar()->setObjectName(QStringLiteral("MenuBar"));
    m_menu = new MenuItems(menuBar(), MenuTable::entries(*this));
    QMenu *windowMenu = m_menu->submenu(QStringLiteral("mnuWindow"));
    connect(windowMenu, &QMenu::aboutToShow, this, [this, windowMenu] { m_children->fillWindowList(windowMenu); });
    m_shutDown.callbacks().modemReleaseCommand = [this] { runCommand(QStringLiteral("mnuModemRelease")); };
    m_context.host = this;
}

frmMenu::~frmMenu()
{
    if (m_context.host == this)
        m_context.host = nullptr;
    while (m_busyDepth > 0)
        setBusyCursor(false);
}

void frmMenu::setFileCommands(FileCommands *commands)
{
    m_fileCommands = commands;
    m_shutDown.setFileCommands(commands);
}

void frmMenu::logError(int number, const QString &description, const QString &procedure)
{
    m_context.log.LogError(number, description, kName, kName, procedure);
}

QAction *frmMenu::menuItem(const QString &name) const
{
    return m_menu->item(name);
}

// ---------------------------------------------------------------- commands of other parts

void frmMenu::fileCommand(File command)
{
    if (!m_fileCommands)
        return;
    if (command == File::New || command == File::Open) {
        if (BusyRules::newOpenBusy(*this))
            return;
        command == File::New ? m_fileCommands->mnuFileNew_Click() : m_fileCommands->mnuFileOpen_Click();
        return;
    }
    if (BusyRules::saveBusy(*this))
        return;
    if (command == File::Close)
        m_fileCommands->mnuFileClose_Click();
    else if (command == File::Save)
        m_fileCommands->mnuFileSave_Click();
    else
        m_fileCommands->mnuFileSaveAs_Click();
}

// ---------------------------------------------------------------- lifecycle states

void frmMenu::Init_Menu_Options()
{
    m_menu->setEnabled(MenuTable::configurationItems(), false);
    m_menu->setEnabled(MenuTable::closedOnlyDisabled(), false);
    m_menu->setEnabled(MenuTable::noConfigurationItems(), true);
}

void frmMenu::File_Menu_Options()
{
    m_menu->setEnabled(MenuTable::configurationItems(), true);
    m_menu->setEnabled(QStringLiteral("mnuClocks"), m_context.state.ClockBoard);
    m_menu->setEnabled(MenuTable::noConfigurationItems(), false);
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
    m_menu->setEnabled(MenuTable::rootMenus(), false);
}

void frmMenu::InableAllRootMenus()
{
    m_menu->setEnabled(MenuTable::rootMenus(), true);
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

bool frmMenu::saveEnabled() const
{
    return m_menu->isEnabled(QStringLiteral("mnuFileSave"));
}

void frmMenu::setClocksEnabled(bool enabled)
{
    m_menu->setEnabled(QStringLiteral("mnuClocks"), enabled);
}

void frmMenu::setSaveEnabled(bool enabled)
{
    m_menu->setEnabled(QStringLiteral("mnuFileSave"), enabled);
}

void frmMenu::disableModemRelease()
{
    m_menu->setEnabled(QStringLiteral("mnuModemRelease"), false);
}

// ---------------------------------------------------------------- start-up

bool frmMenu::Load(bool showSplash)
{
    return m_startUp.run(*this, showSplash);
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
    if (watched == m_mdi->viewport() && event->type() == QEvent::MouseButtonDblClick)
        bringProgressWindowToFront();
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

void frmMenu::UpdateFileSaveOpt()
{
    if (!m_context.state.UnsavedChanges)
        setSaveEnabled(false);
    if (m_children->anyUncommittedChanges(false))
        setSaveEnabled(true);
}

// ---------------------------------------------------------------- Window menu

void frmMenu::mnuWindowCloseAll_Click()
{
    if (!BusyRules::newOpenBusy(*this))
        m_children->closeAll();
}

void frmMenu::mnuWindowCascade_Click()
{
    m_mdi->cascadeSubWindows();
}

void frmMenu::mnuWindowTile_Click()
{
    m_mdi->tileSubWindows();
}

void frmMenu::showSwitchBoard()
{
    QAction *item = menuItem(QStringLiteral("mnuSwitchBoard"));
    if (!m_switchBoard) {
        m_switchBoard = new frmSwitchBoard(m_context, *this);
        connect(m_switchBoard, &frmSwitchBoard::entryOpened, this, &frmMenu::QuickMenu);
        connect(m_switchBoard, &frmSwitchBoard::unloaded, this, [item] { item->setChecked(false); });
        m_children->track(m_switchBoard);
    }
    m_switchBoard->show();
    item->setEnabled(true);
    item->setChecked(true);
}

void frmMenu::mnuSwitchBoard_Click()
{
    QAction *item = menuItem(QStringLiteral("mnuSwitchBoard"));
    if (!item->isChecked()) {
        showSwitchBoard();
        return;
    }
    item->setChecked(false);
    if (m_switchBoard)
        m_switchBoard->close();
}

// ---------------------------------------------------------------- shut-down

void frmMenu::mnuExit_Click()
{
    if (!m_context.state.CurrentFileName.isEmpty() && m_fileCommands)
        m_fileCommands->mnuFileClose_Click();
    if (m_context.state.CurrentFileName.isEmpty())
        close();
}

void frmMenu::closeEvent(QCloseEvent *event)
{
    if (m_exiting) {
        event->accept();
        return;
    }
    if (!m_shutDown.queryClose()) {
        event->ignore();
        return;
    }
    event->accept();
    m_shutDown.unload();
}

void frmMenu::shutDownWithoutQuestions()
{
    if (m_exiting)
        return;
    m_exiting = true;
    m_shutDown.withoutQuestions();
}

bool frmMenu::closeEnabled() const
{
    return m_menu->isEnabled(QStringLiteral("mnuFileClose"));
}

bool frmMenu::modemReleaseEnabled() const
{
    return m_menu->isEnabled(QStringLiteral("mnuModemRelease"));
}

QSize frmMenu::windowSizeTwips() const
{
    return size() * kTwipsPerPixel;
}

void frmMenu::unloadAllWindows()
{
    m_children->unloadAll();
    m_help->closeHelp();
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

void frmMenu::mnuConfig_Click()
{
    m_modal->mnuConfig_Click([this] {
        if (m_switchBoard)
            m_switchBoard->reload();
    });
}
