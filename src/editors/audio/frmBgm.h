#pragma once

#include "editors/audio/AudioConnections.h"
#include "editors/common/AreaWindow.h"

#include <array>
#include <optional>

class PageGroupPanel;

// "Audio Connections": the page groups that receive background music, the
// clock tone and the emergency tone, one tab each. OK writes the tabs whose
// boxes differ from their rows; Cancel and the window frame write nothing.
class frmBgm : public AreaWindow {
    Q_OBJECT
public:
    static constexpr int kSources = 3;

    explicit frmBgm(AppContext &context, QWidget *parent = nullptr);

    // EditorWindow
    bool UncommittedChanges() const override { return m_UncommittedChanges; }
    void cmdOk_Click() override;
    void cmdCancel_Click() override;

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void Form_Load();
    void boxClicked(int source, int k);

    std::array<PageGroupPanel *, kSources> m_panels{};
    // What each row held when read; nothing for a row that could not be read.
    std::array<std::optional<PageGroups::Flags>, kSources> m_stored{};
    bool m_UncommittedChanges = false;
};
