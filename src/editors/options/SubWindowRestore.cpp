#include "editors/options/SubWindowRestore.h"

#include <QMdiSubWindow>

void restoreNormalWhenActivated(QWidget *window)
{
    auto *frame = qobject_cast<QMdiSubWindow *>(window ? window->parentWidget() : nullptr);
    if (!frame || frame->property("restoresWhenActivated").toBool())
        return;
    frame->setProperty("restoresWhenActivated", true);
    QObject::connect(
        frame, &QMdiSubWindow::windowStateChanged, window, [frame](Qt::WindowStates before, Qt::WindowStates now) {
            if (now.testFlag(Qt::WindowActive) && !before.testFlag(Qt::WindowActive) && frame->isMaximized())
                frame->showNormal();
        });
}
