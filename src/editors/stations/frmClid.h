#pragma once

#include "editors/stations/ClidTable.h"
#include "ui/EditorWindow.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class Database;
class QLabel;
class QMdiSubWindow;
class QPushButton;
class QTabWidget;
class QTreeWidget;
struct AppContext;

// "Architectural Number and CLID Programming": the 96 stations in four board
// tabs, one list line per station, with Edit (the station dialog), Delete and
// Auto Numbering. Every change goes straight into the working database; the
// window keeps a copy of all stations taken when it opened, which Cancel (or
// closing the window any other way) puts back, while OK keeps the changes and
// marks the configuration changed.
class frmClid : public QWidget, public EditorWindow {
    Q_OBJECT
public:
    static constexpr int kTabs = 4;
    static constexpr int kStationsPerTab = 24;

    explicit frmClid(AppContext &context, QWidget *parent = nullptr);
    ~frmClid() override;

    // Written by the station dialog's OK: the values it ended with, and
    // whether it cleared the arch numbers of conflicting stations.
    QString NewArch;
    QString NewClid;
    bool Conflicts_Deleted = false;
    // The last station of the run the auto-numbering dialog accepted; empty
    // when it was left without OK.
    std::optional<int> Auto_Stop_Stn;

    AppContext &context() const { return m_context; }
    ClidTable &table() { return *m_table; }

    int activeTab() const;
    void setActiveTab(int tab);
    QStringList lines(int tab) const;
    int selectedLine(int tab) const; // -1 when none
    void selectLine(int tab, int line);
    void setLine(int tab, int line, const QString &text);
    void focusList(int tab);

    // Refills the four lists from the table (the first time also taking the
    // copy that Cancel puts back).
    void Build_List();
    // The window changed the table since it opened.
    void markChanged();

    void tabClid_Click(int previousTab);
    void lstClid_DblClick(int index);
    void cmdEdit_Click(int index);
    void cmdDelete_Click(int index);
    void cmdAuto_Click(int index);
    // Numbers the stations after the selected one of list index up to
    // lastStation, asking before it clears conflicting stations outside the
    // run; nothing is written when the user declines.
    void autoNumber(int index, int lastStation);

    // EditorWindow
    bool UncommittedChanges() const override { return m_uncommittedChanges; }
    void cmdOk_Click() override;
    void cmdCancel_Click() override;

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void Form_Load();
    void Form_Unload();
    void closeWindow();
    QMdiSubWindow *subWindow() const;
    void logError(const QString &procedure, const QString &description);

    AppContext &m_context;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<ClidTable> m_table;

    QTabWidget *m_tabs = nullptr;
    std::array<QLabel *, kTabs> m_lblStations{};
    std::array<QTreeWidget *, kTabs> m_lists{};
    std::array<QPushButton *, kTabs> m_cmdEdit{}, m_cmdDelete{}, m_cmdAuto{};
    int m_currentTab = 0;

    QList<StationEntry> m_saved; // SavedArchnum and SavedClid, with their rows
    bool m_uncommittedChanges = false;
    bool m_OkPressed = false;
    bool m_Loaded = false;
    bool m_unloaded = false;
};
