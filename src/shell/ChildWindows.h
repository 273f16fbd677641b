#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <array>

#include "core/Capacities.h"

class QAction;
class QMdiArea;
class QMenu;
class QWidget;
class WindowRegistry;
struct AppContext;

// The windows the main window has loaded, in load order: the editor windows
// it opens as children of its MDI area (one per name, one per schedule), and
// every other window of the tool once it is shown (the switchboard, progress
// and dialling windows). The busy rules and the bulk commands (SaveOpenForms,
// Close All, shut-down) work on this list.
class ChildWindows : public QObject {
    Q_OBJECT
public:
    // frame: the main window, always index 0 of the list.
    ChildWindows(AppContext &context, const WindowRegistry &windows, QWidget &frame, QMdiArea &mdi);
    ~ChildWindows() override;

    // Loaded windows in load order; the main window is index 0.
    QList<QWidget *> loaded() const;
    void track(QWidget *window);

    // Shows a registered editor window as a child of the frame (one per name,
    // or one per schedule for "frmSched"), bringing it to the front; nullptr
    // when not registered.
    QWidget *open(const QString &name, int arg = 0);
    void bringToTop(QWidget *window);
    // Closes one loaded window (an editor's frame in the MDI area, or a window of its own).
    void unload(QWidget *window);
    // Every loaded window from the last down to the first child.
    void unloadAll();
    // Close All: as unloadAll, but the switchboard stays.
    void closeAll();

    // Asks each loaded window with uncommitted changes, from the last down,
    // whether to accept them (every answer is Yes while AcceptAllChanges is
    // set) and closes the windows without changes but the switchboard. False
    // when the user cancelled: the window asked about has the focus.
    bool SaveOpenForms(const QString &title);
    // Some loaded window holds uncommitted changes. A window that cannot say
    // counts as one with changes when unknownIsChanged is set.
    bool anyUncommittedChanges(bool unknownIsChanged) const;

    // Places the schedule windows cascaded from the top left of the visible
    // MDI area, the first opened at the back, each inside the area.
    void cascadeSchedules();
    // The Window menu's list of the open child windows, after a separator.
    void fillWindowList(QMenu *menu);

    // Cascaded frames for windows of the given sizes inside an area: each one
    // step right and down of the one before, starting again at the top left
    // when the next would not fit, and no larger than the area.
    static QList<QRect> cascade(const QList<QSize> &sizes, QSize area, int step);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AppContext &m_context;
    const WindowRegistry &m_windows;
    QWidget &m_frame;
    QMdiArea &m_mdi;
    std::array<QPointer<QWidget>, Capacities::kSchedules> m_scheduleWindows;
    QHash<QString, QPointer<QWidget>> m_singleWindows;
    QList<QPointer<QWidget>> m_loadOrder;
    QList<QAction *> m_windowListActions;
};
