#pragma once

#include "core/MainWindowHost.h"
#include "core/ShutDown.h"
#include "core/StartUp.h"
#include "shell/ChildWindows.h"
#include "shell/EditorCommands.h"
#include "shell/FileDialogs.h"
#include "shell/HelpCommands.h"
#include "shell/MenuTable.h"
#include "shell/ModalCommands.h"
#include "shell/frmSwitchBoard.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class FileCommands;
class MenuItems;
class QAction;
class QMdiArea;
class WindowRegistry;

struct AppContext;

// The main window: a frame holding every editor window as a child, and the
// menu bar with every command. It answers the file commands, transfers and
// editors (MainWindowHost), start-up (StartUpHost) and shut-down
// (ShutDownHost); the menu tree is MenuTable's, the loaded windows are
// ChildWindows', and the start-up and shut-down steps are StartUp's and
// ShutDown's.
//
// Editor windows come from the WindowRegistry by name; a command whose window
// is not registered does nothing. File commands go to a FileCommands object,
// and the link and modem commands to handlers installed with setCommand().
class frmMenu : public QMainWindow,
                public MainWindowHost,
                public StartUpHost,
                public ShutDownHost,
                public MenuCommands {
    Q_OBJECT
public:
    // The frame's design size, in twips.
    static constexpr int kDesignWidth = 12000;
    static constexpr int kDesignHeight = 9000;

    frmMenu(AppContext &context, const WindowRegistry &windows, QWidget *parent = nullptr);
    ~frmMenu() override;

    void setFileCommands(FileCommands *commands);
    // A handler for a menu command owned by another part of the tool ("mnuRx",
    // "mnuSend", "mnuDate", "mnuComPort", "mnuRemoteModem", "mnuModemConnect",
    // "mnuManualConnect", "mnuModemRelease").
    void setCommand(const QString &menuName, std::function<void()> handler)
    {
        m_modal->setCommand(menuName, std::move(handler));
    }
    // Releasing the modem and closing the serial link at shut-down.
    void setReleaseModem(std::function<bool()> release) { m_shutDown.callbacks().releaseModem = std::move(release); }
    void setExitComm(std::function<void()> exitComm) { m_shutDown.callbacks().exitComm = std::move(exitComm); }

    // The start-up sequence; false when the tool must end.
    bool Load(bool showSplash);
    // The shut-down for a termination signal (SIGTERM, SIGINT, SIGHUP), with
    // no question (ShutDown::withoutQuestions). The caller then ends the
    // process; a later close of the window asks nothing either.
    void shutDownWithoutQuestions();

    // A menu item (or the item of a submenu) by its control name; nullptr if unknown.
    QAction *menuItem(const QString &name) const;
    QMdiArea *mdiArea() const { return m_mdi; }
    frmSwitchBoard *switchBoard() const { return m_switchBoard; }
    const QString &helpFile() const { return m_helpFile; }
    // Loaded windows in load order; the main window is index 0.
    QList<QWidget *> loadedWindows() const { return m_children->loaded(); }

    // MainWindowHost
    void Init_Menu_Options() override;
    void File_Menu_Options() override;
    void Initialize() override;
    void DisableAllRootMenus() override;
    void InableAllRootMenus() override;
    QString caption() const override { return windowTitle(); }
    void setCaption(const QString &caption) override { setWindowTitle(caption); }
    bool SaveOpenForms(const QString &title) override { return m_children->SaveOpenForms(title); }
    void UpdateFileSaveOpt() override;
    bool saveEnabled() const override;
    void setSaveEnabled(bool enabled) override;
    void setClocksEnabled(bool enabled) override;
    void unloadAllChildren() override { m_children->unloadAll(); }
    void showSwitchBoard() override;
    bool showModal(const QString &windowName) override { return m_modal->showModal(windowName); }
    void UpdateFileArray(const QString &file) override;
    void setBusyCursor(bool busy) override;
    std::optional<QString> chooseOpenFile(const QString &filter) override
    {
        return FileDialogs::chooseOpenFile(this, filter);
    }
    std::optional<QString> chooseSaveFile(const QString &filter, const QString &proposed) override
    {
        return FileDialogs::chooseSaveFile(this, filter, proposed);
    }
    int loadedWindowCount() const override;
    QString loadedWindowCaption(int index) const override;
    QString loadedWindowName(int index) const override;

    // StartUpHost
    QSize designSizeTwips() const override { return QSize(kDesignWidth, kDesignHeight); }
    QSize screenSizeTwips() const override;
    void placeMainWindow(QSize sizeTwips, bool maximised) override;
    bool SetProjectOptions() override;
    void showSplash() override;
    bool initializeWindow() override;
    void setHelpFile(const QString &path) override { m_helpFile = path; }
    void DisplayFileArray() override;
    void disableModemRelease() override;

    // ShutDownHost
    bool closeEnabled() const override;
    bool modemReleaseEnabled() const override;
    QSize windowSizeTwips() const override;
    void unloadAllWindows() override;

    // Commands (MenuCommands)
    void QuickMenu(const QString &name) { m_editors->QuickMenu(name); }
    void fileCommand(File command) override;
    void runCommand(const QString &menuName) override { m_modal->runCommand(menuName); }
    void mnuFileArray_Click(int index) override;
    void mnuSched_Click(int schedule) override { m_editors->mnuSched_Click(schedule); }
    void mnuAllSched_Click() override { m_editors->mnuAllSched_Click(); }
    void mnuClocks_Click() override { m_editors->mnuClocks_Click(); }
    void mnuArchNum_Click() override { m_editors->mnuArchNum_Click(); }
    void mnuClassService_Click() override { m_editors->mnuClassService_Click(); }
    void mnuPageGroup_Click() override { m_editors->mnuPageGroup_Click(); }
    void mnuSysOpt_Click() override { m_editors->mnuSysOpt_Click(); }
    void mnuBGM_Click() override { m_editors->mnuBGM_Click(); }
    void mnuConfig_Click() override;
    void mnuPrint_Click() override { m_modal->mnuPrint_Click(); }
    void mnuComPort_Click() override { m_modal->mnuComPort_Click(modemReleaseEnabled()); }
    void mnuWindowCloseAll_Click() override;
    void mnuWindowCascade_Click() override;
    void mnuWindowTile_Click() override;
    void mnuSwitchBoard_Click() override;
    void mnuHelpContents_Click() override { m_help->mnuHelpContents_Click(); }
    void mnuHelpAbout_Click() override { m_help->mnuHelpAbout_Click(); }
    void mnuDebug_Click() override { m_help->mnuDebug_Click(); }
    void mnuExit_Click() override;

    // Closes one loaded window (an editor's frame in the MDI area, or a window of its own).
    void unloadWindow(QWidget *window) { m_children->unload(window); }

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void bringProgressWindowToFront();
    void logError(int number, const QString &description, const QString &procedure);
    void exitTool();

    AppContext &m_context;
    const WindowRegistry &m_windows;
    StartUp m_startUp;
    ShutDown m_shutDown;
    FileCommands *m_fileCommands = nullptr;

    QMdiArea *m_mdi = nullptr;
    MenuItems *m_menu = nullptr;
    ChildWindows *m_children = nullptr;
    std::unique_ptr<EditorCommands> m_editors;
    std::unique_ptr<ModalCommands> m_modal;
    std::unique_ptr<HelpCommands> m_help;
    QPointer<frmSwitchBoard> m_switchBoard;
    QString m_helpFile;
    int m_busyDepth = 0;
    bool m_exiting = false;
};
