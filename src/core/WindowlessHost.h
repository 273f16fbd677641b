#pragma once

#include "core/MainWindowHost.h"

// A main window without widgets: keeps its caption and the Save item's state,
// shows nothing and answers every dialog with Cancel. The command-line program
// runs the file and transfer commands against it, and tests derive from it to
// record the calls they care about.
class WindowlessHost : public MainWindowHost {
public:
    explicit WindowlessHost(QString caption = {}) : m_caption(std::move(caption)) {}

    void Init_Menu_Options() override {}
    void File_Menu_Options() override {}
    void Initialize() override {}
    void DisableAllRootMenus() override {}
    void InableAllRootMenus() override {}
    QString caption() const override { return m_caption; }
    void setCaption(const QString &caption) override { m_caption = caption; }
    bool SaveOpenForms(const QString &) override { return true; }
    void UpdateFileSaveOpt() override {}
    bool saveEnabled() const override { return m_saveEnabled; }
    void setSaveEnabled(bool enabled) override { m_saveEnabled = enabled; }
    void setClocksEnabled(bool enabled) override { m_clocksEnabled = enabled; }
    bool clocksEnabled() const { return m_clocksEnabled; }
    void unloadAllChildren() override {}
    void showSwitchBoard() override {}
    bool showModal(const QString &) override { return false; }
    void UpdateFileArray(const QString &) override {}
    void setBusyCursor(bool) override {}
    std::optional<QString> chooseOpenFile(const QString &) override { return std::nullopt; }
    std::optional<QString> chooseSaveFile(const QString &, const QString &) override { return std::nullopt; }
    int loadedWindowCount() const override { return 1; }
    QString loadedWindowCaption(int) const override { return m_caption; }
    QString loadedWindowName(int) const override { return QStringLiteral("frmMenu"); }

private:
    QString m_caption;
    bool m_saveEnabled = false;
    bool m_clocksEnabled = false;
};
