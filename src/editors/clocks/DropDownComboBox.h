#pragma once

#include <QComboBox>

// A drop-down list that tells when its list is opened: opening it counts as
// an edit in the clocks window.
class DropDownComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void showPopup() override
    {
        emit dropDown();
        QComboBox::showPopup();
    }

signals:
    void dropDown();
};
