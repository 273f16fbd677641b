#pragma once

#include "editors/common/AreaWindow.h"
#include "editors/pagegroups/CustomPageGroups.h"

#include <array>

class PageGroupPanel;
class QTabWidget;

// "Custom Page Groups": one tab per custom page group (dial codes 50-53) with
// the 16 page groups it may include. The boxes are edited in memory; OK writes
// all four rows when a box was changed, Cancel writes nothing.
class frmPage : public AreaWindow {
    Q_OBJECT
public:
    explicit frmPage(AppContext &context, QWidget *parent = nullptr);

    // EditorWindow
    bool UncommittedChanges() const override { return m_UncommittedChanges; }
    void cmdOk_Click() override;
    void cmdCancel_Click() override;

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void Form_Load();
    void chkPageGroup_Click(int index);
    void tabPageGroup_Click(int previousTab);
    CustomPageGroups::Table boxes() const;

    std::array<PageGroupPanel *, CustomPageGroups::kGroups> m_panels{};
    QTabWidget *m_tabs = nullptr;
    int m_tab = 0;
    bool m_Loaded = false;
    bool m_UncommittedChanges = false;
};
