#pragma once

#include <QString>

class ChildWindows;
class MainWindowHost;
class WindowRegistry;
struct AppContext;

// The commands that open programming windows as children of the main window:
// the Schedules, Station, Custom Page Groups, System and Audio menus and the
// switchboard's entries. All but Clocks do nothing while a transfer or a modem
// dial is under way.
class EditorCommands {
public:
    EditorCommands(AppContext &context, const WindowRegistry &windows, ChildWindows &children,
                   const MainWindowHost &host);

    void mnuSched_Click(int schedule);
    // Schedules 6 down to 1, so schedule 1 ends in front, cascaded inside the
    // visible area.
    void mnuAllSched_Click();
    void mnuClocks_Click();
    void mnuArchNum_Click();
    void mnuClassService_Click();
    void mnuPageGroup_Click();
    void mnuSysOpt_Click();
    void mnuBGM_Click();
    // Opens windows by a switchboard entry's text; "All" opens every one (the
    // clocks only with a clock board); anything else nothing.
    void QuickMenu(const QString &name);

private:
    bool editorsBusy() const;
    void openUnlessBusy(const QString &name);

    AppContext &m_context;
    const WindowRegistry &m_windows;
    ChildWindows &m_children;
    const MainWindowHost &m_host;
};
