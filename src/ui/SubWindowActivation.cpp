#include "ui/SubWindowActivation.h"

#include <QMdiSubWindow>

namespace {
// Marks a frame whose activation is already followed.
constexpr char kFollowed[] = "linnetActivationFollowed";
} // namespace

void followSubWindow(QWidget *window, std::function<void()> activated, std::function<void()> deactivated)
{
    auto *frame = qobject_cast<QMdiSubWindow *>(window ? window->parentWidget() : nullptr);
    if (!frame || frame->property(kFollowed).toBool())
        return;
    frame->setProperty(kFollowed, true);
    // The window is the connection's context: nothing is called once it is gone.
    QObject::connect(frame, &QMdiSubWindow::windowStateChanged, window,
                     [activated = std::move(activated), deactivated = std::move(deactivated)](Qt::WindowStates before,
                                                                                              Qt::WindowStates now) {
                         const bool was = before.testFlag(Qt::WindowActive);
                         const bool is = now.testFlag(Qt::WindowActive);
                         if (is && !was && activated)
                             activated();
                         else if (was && !is && deactivated)
                             deactivated();
                     });
}

void restoreNormalWhenActivated(QWidget *window)
{
    auto *frame = qobject_cast<QMdiSubWindow *>(window ? window->parentWidget() : nullptr);
    followSubWindow(window, [frame] {
        if (frame->isMaximized())
            frame->showNormal();
    });
}
