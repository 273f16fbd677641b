#pragma once

#include "core/MainWindowHost.h"
#include "core/StartUp.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class FileCommands;
class QAction;
class QMdiArea;
class QMenu;
class WindowRegistry;
class frmSwitchBoard;
struct AppContext;

// The main window: a frame holding every editor window as a child, the menu bar
// with every command, the start-up and shut-down sequences, and the procedures
// the file commands, transfers and editors call (through MainWindowHost).
//
// Editor windows come from the WindowRegistry by name; a command whose window
// is not registered does nothing. File commands go to a FileCommands object,
// and the link and modem commands to handlers installed with setCommand().
class frmMenu : public QMainWindow, public MainWindowHost, public StartUpHost {
    Q_OBJECT
public:
    // The frame's design size, in twips.
    static constexpr int kDesignWidth = 12000;
    static constexpr int kDesignHeight = 9000;
    static inline const QString kSwitchBoardCaption = QStringLiteral("Programming Windows");

    frmMenu(AppContext &context, const WindowRegistry &windows, QWidget *parent = nullptr);
    ~frmMenu() override;

    void setFileCommands(FileCommands *commands) { m_fileCommands = commands; }
    // A handler for a menu command owned by another part of the tool ("mnuRx",
    // "mnuSend", "mnuDate", "mnuComPort", "mnuRemoteModem", "mnuModemConnect",
    // "mnuManualConnect", "mnuModemRelease").
    void setCommand(const QString &menuName, std::function<void()> handler);
    // Releasing the modem and closing the serial link at shut-down.
    void setReleaseModem(std::function<bool()> release) { m_releaseModem = std::move(release); }
    void setExitComm(std::function<void()> exitComm) { m_exitComm = std::move(exitComm); }

    // The start-up sequence; false when the tool must end.
    bool Load(bool showSplash);
    // The shut-down for a termination signal (SIGTERM, SIGINT, SIGHUP), with
    // no question: the working copy is kept for the next start when it holds
    // unsaved work, the settings are saved, a modem is released, the serial
    // link is closed and the errors database compacted. The caller then ends
    // the process; a later close of the window asks nothing either.
    void shutDownWithoutQuestions();

    // A menu item (or the item of a submenu) by its control name; nullptr if unknown.
    QAction *menuItem(const QString &name) const;
    QMdiArea *mdiArea() const { return m_mdi; }
    frmSwitchBoard *switchBoard() const;
    const QString &helpFile() const { return m_helpFile; }
    // Loaded windows in load order; the main window is index 0.
    QList<QWidget *> loadedWindows() const;

    // MainWindowHost
    void Init_Menu_Options() override;
    void File_Menu_Options() override;
    void Initialize() override;
    void DisableAllRootMenus() override;
    void InableAllRootMenus() override;
    QString caption() const override;
    void setCaption(const QString &caption) override;
    void SaveOpenForms(const QString &title) override;
    void UpdateFileSaveOpt() override;
    bool saveEnabled() const override;
    void setSaveEnabled(bool enabled) override;
    void unloadAllChildren() override;
    void showSwitchBoard() override;
    bool showModal(const QString &windowName) override;
    void UpdateFileArray(const QString &file) override;
    void setBusyCursor(bool busy) override;
    std::optional<QString> chooseOpenFile(const QString &filter) override;
    std::optional<QString> chooseSaveFile(const QString &filter, const QString &proposed) override;
    int loadedWindowCount() const override;
    QString loadedWindowCaption(int index) const override;
    QString loadedWindowName(int index) const override;

    // StartUpHost
    QSize designSizeTwips() const override;
    QSize screenSizeTwips() const override;
    void placeMainWindow(QSize sizeTwips, bool maximised) override;
    bool SetProjectOptions() override;
    void showSplash() override;
    bool initializeWindow() override;
    void setHelpFile(const QString &path) override { m_helpFile = path; }
    void DisplayFileArray() override;
    void disableModemRelease() override;

    // Commands
    void QuickMenu(const QString &name);
    void mnuFileArray_Click(int index);
    void mnuSched_Click(int schedule);
    void mnuAllSched_Click();
    void mnuClocks_Click();
    void mnuArchNum_Click();
    void mnuClassService_Click();
    void mnuPageGroup_Click();
    void mnuSysOpt_Click();
    void mnuBGM_Click();
    void mnuConfig_Click();
    void mnuPrint_Click();
    void mnuComPort_Click();
    void mnuWindowCloseAll_Click();
    void mnuSwitchBoard_Click();
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();
    void mnuDebug_Click();
    void mnuExit_Click();

    // Closes one loaded window (an editor's frame in the MDI area, or a window of its own).
    void unloadWindow(QWidget *window);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    QMenu *addMenu(QWidget *parentMenu, const QString &name, const QString &caption);
    QAction *addItem(QWidget *menu, const QString &name, const QString &caption, std::function<void()> slot = {},
                     const QKeySequence &key = {});
    QAction *addSeparator(QMenu *menu, const QString &name);
    void setItemEnabled(const QString &name, bool enabled);
    void fillWindowList();

    // Shows a registered editor window as a child of the frame (one per name, or
    // one per schedule), bringing it to the front; nullptr when not registered.
    QWidget *openChild(const QString &name, int arg = 0);
    bool editorsBusy() const;
    void runCommand(const QString &menuName);
    void bringProgressWindowToFront();
    void trackWindow(QWidget *window);
    void bringToTop(QWidget *window);
    void logError(int number, const QString &description, const QString &procedure);
    void exitTool();
    void shutDownUnload();

    AppContext &m_context;
    const WindowRegistry &m_windows;
    StartUp m_startUp;
    FileCommands *m_fileCommands = nullptr;
    QHash<QString, std::function<void()>> m_commands;
    std::function<bool()> m_releaseModem;
    std::function<void()> m_exitComm;

    QMdiArea *m_mdi = nullptr;
    QHash<QString, QAction *> m_items;
    QList<QAction *> m_windowListActions;
    std::array<QPointer<QWidget>, 6> m_scheduleWindows;
    QHash<QString, QPointer<QWidget>> m_singleWindows;
    QPointer<frmSwitchBoard> m_switchBoard;
    QPointer<QWidget> m_helpWindow;
    QList<QPointer<QWidget>> m_loadOrder;
    QString m_helpFile;
    int m_busyDepth = 0;
    bool m_exiting = false;
};
