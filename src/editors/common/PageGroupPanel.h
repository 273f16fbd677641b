#pragma once

#include "editors/common/PageGroupFlags.h"

#include <QString>
#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;

// A frame of 16 page-group boxes (" 1" to " 16", one row per board) with an
// Include All and a Remove All button under it. The windows that edit sets of
// page groups put one on each tab. Boxes of missing boards are disabled but
// still show and keep their value; Include All leaves them alone and Remove
// All clears them too.
class PageGroupPanel : public QWidget {
    Q_OBJECT
public:
    // Object names and captions of the panel's controls. Box k is named
    // boxPrefix + (boxOffset + k), as the windows' control arrays count them.
    struct Names {
        QString frame;
        QString frameCaption;
        QString boxPrefix;
        int boxOffset = 0;
        QString include;
        QString includeCaption;
        QString remove;
        QString removeCaption;
    };

    explicit PageGroupPanel(const Names &names, QWidget *parent = nullptr);

    // Enables page groups 1 to count and disables the rest.
    void setAvailable(int count);
    // Shows stored flags; no change is reported for them.
    void showFlags(const PageGroups::Flags &flags);
    PageGroups::Flags flags() const;

    void includeAll();
    void removeAll();
    void setButtonsEnabled(bool enabled);

    QCheckBox *box(int k) const { return m_boxes[k]; }
    QPushButton *includeButton() const { return m_include; }
    QPushButton *removeButton() const { return m_remove; }

signals:
    // Box k changed by the user, or by Include All or Remove All.
    void boxChanged(int k);

private:
    void setFlags(const PageGroups::Flags &flags);

    std::array<QCheckBox *, PageGroups::kCount> m_boxes{};
    QGroupBox *m_frame = nullptr;
    QPushButton *m_include = nullptr;
    QPushButton *m_remove = nullptr;
    int m_available = PageGroups::kCount;
    bool m_showing = false;
};
