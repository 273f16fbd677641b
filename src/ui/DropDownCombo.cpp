#include "ui/DropDownCombo.h"

void DropDownCombo::showPopup()
{
    emit droppedDown();
    QComboBox::showPopup();
}
