#pragma once

#include "core/AppState.h"
#include "core/WindowlessHost.h"

#include <QList>
#include <QStringList>

// A main window without widgets: records what the file commands ask of it and
// answers the file dialogs from queues. Initialize does what the real window
// does to the shared state.
class FakeMainWindow : public WindowlessHost {
public:
    FakeMainWindow(AppState &state, QString productTitle)
        : m_state(state), m_productTitle(std::move(productTitle)), m_caption(m_productTitle)
    {
    }

    void Init_Menu_Options() override { ++initMenuOptions; }
    void File_Menu_Options() override { ++fileMenuOptions; }
    void Initialize() override
    {
        ++initialized;
        m_caption = m_productTitle;
        m_state.CurrentFileName.clear();
        m_state.TotalEvents = 0;
        m_state.ExpansionBoards = 0;
        m_state.ClockBoard = false;
        m_state.UnsavedChanges = false;
        Init_Menu_Options();
    }
    QString caption() const override { return m_caption; }
    void setCaption(const QString &caption) override { m_caption = caption; }
    bool SaveOpenForms(const QString &title) override
    {
        saveOpenFormsTitles << title;
        m_state.AcceptAllChanges = false;
        return !cancelOpenForms;
    }
    bool saveEnabled() const override { return saveOn; }
    void setSaveEnabled(bool enabled) override { saveOn = enabled; }
    void unloadAllChildren() override { ++unloaded; }
    void showSwitchBoard() override { ++switchBoardShown; }
    bool showModal(const QString &windowName) override
    {
        modalShown << windowName;
        return false;
    }
    void UpdateFileArray(const QString &file) override { recentFiles << file; }
    void setBusyCursor(bool busy) override { busyCursor = busy; }
    std::optional<QString> chooseOpenFile(const QString &filter) override
    {
        filters << filter;
        return openAnswers.isEmpty() ? std::nullopt : openAnswers.takeFirst();
    }
    std::optional<QString> chooseSaveFile(const QString &filter, const QString &proposed) override
    {
        filters << filter;
        proposedNames << proposed;
        return saveAnswers.isEmpty() ? std::nullopt : saveAnswers.takeFirst();
    }
    int loadedWindowCount() const override { return int(windowCaptions.size()); }
    QString loadedWindowCaption(int index) const override { return windowCaptions.value(index); }
    QString loadedWindowName(int index) const override { return QStringLiteral("window%1").arg(index); }

    // Recorded calls.
    int initMenuOptions = 0;
    int fileMenuOptions = 0;
    int initialized = 0;
    int unloaded = 0;
    int switchBoardShown = 0;
    bool busyCursor = false;
    QStringList modalShown;
    QStringList recentFiles;
    QStringList saveOpenFormsTitles;
    QStringList filters;
    QStringList proposedNames;

    // Scripted behaviour.
    bool saveOn = false;
    bool cancelOpenForms = false;
    QList<std::optional<QString>> openAnswers;
    QList<std::optional<QString>> saveAnswers;
    QStringList windowCaptions{QStringLiteral("main")};

private:
    AppState &m_state;
    QString m_productTitle;
    QString m_caption;
};
