#pragma once

#include <QComboBox>

// A drop-down list that tells when its list is opened, before the user picks
// anything (or nothing) from it.
class DropDownCombo : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void showPopup() override;

signals:
    void droppedDown();
};
