#pragma once

#include "shell/MainWindowHost.h"

// A main window for editor tests: records what the editors ask of it.
class FakeHost : public MainWindowHost {
public:
    void Init_Menu_Options() override {}
    void File_Menu_Options() override {}
    void Initialize() override {}
    void DisableAllRootMenus() override {}
    void InableAllRootMenus() override {}
    QString caption() const override { return m_caption; }
    void setCaption(const QString &caption) override { m_caption = caption; }
    void SaveOpenForms(const QString &) override {}
    void UpdateFileSaveOpt() override { ++updateFileSaveOptCalls; }
    bool saveEnabled() const override { return m_saveEnabled; }
    void setSaveEnabled(bool enabled) override { m_saveEnabled = enabled; }
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

    int updateFileSaveOptCalls = 0;

private:
    QString m_caption;
    bool m_saveEnabled = false;
};
