#pragma once

#include "editors/classservice/ClassOfService.h"
#include "editors/common/AreaWindow.h"

#include <array>
#include <memory>

class Database;
class DropDownCombo;

// "Class Of Service": one tab per board, one drop-down per group of six
// stations. The window keeps its own connection to the working database while
// it is open and writes the existing groups' selections when it closes,
// whichever way it is closed. Opening a list counts as a change.
class frmClassService : public AreaWindow {
    Q_OBJECT
public:
    explicit frmClassService(AppContext &context, QWidget *parent = nullptr);
    ~frmClassService() override;

    // EditorWindow
    bool UncommittedChanges() const override { return m_UncommittedChanges; }
    void cmdOk_Click() override;
    void cmdCancel_Click() override;

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void Form_Load();
    void Form_Unload();
    void cboServGroup_DropDown(int index);
    ClassOfService::Selections selections() const;

    std::unique_ptr<Database> m_db;
    std::array<DropDownCombo *, ClassOfService::kGroups> m_cboServGroup{};
    bool m_UncommittedChanges = false;
    bool m_tableRead = false; // closing writes only what was read
};
