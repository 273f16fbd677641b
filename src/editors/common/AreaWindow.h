#pragma once

#include "ui/EditorWindow.h"

#include <QPointer>
#include <QWidget>

class QMdiSubWindow;
class QPushButton;
struct AppContext;

// What the area editor windows (custom page groups, class of service, audio
// connections) share as child windows of the main window: Escape does what
// their Cancel does, a window that gets the focus while maximised is restored
// to its normal size, push buttons never react to Enter, and failures go to
// the error log under the window's name.
class AreaWindow : public QWidget, public EditorWindow {
    Q_OBJECT
public:
    AreaWindow(AppContext &context, const QString &name, QWidget *parent = nullptr);

protected:
    bool event(QEvent *e) override;

    // A push button of the window: Enter does not press it.
    QPushButton *button(const QString &name, const QString &caption, QWidget *parent);
    // Closes the window with its frame: the main window's sub-window, or the
    // window itself when it stands alone.
    void closeWindow();
    void logError(const QString &procedure, const QString &description);
    // Restores the window when it is activated while maximised.
    void Form_GotFocus();

    AppContext &m_context;

private:
};
