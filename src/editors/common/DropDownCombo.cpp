#include "editors/common/DropDownCombo.h"

void DropDownCombo::showPopup()
{
    emit droppedDown();
    QComboBox::showPopup();
}
