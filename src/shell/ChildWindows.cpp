#include "shell/ChildWindows.h"

#include "core/AppContext.h"
#include "shell/frmSwitchBoard.h"
#include "ui/EditorWindow.h"
#include "ui/WindowRegistry.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QStyle>

namespace {
// A programming window's changes, through the editor contract; nothing for a
// window that cannot report them.
std::optional<bool> uncommittedChanges(const QWidget *window)
{
    if (const auto *editor = dynamic_cast<const EditorWindow *>(window))
        return editor->UncommittedChanges();
    return std::nullopt;
}

// Windows that are not forms of the tool: menus, message boxes, file dialogs,
// tool tips, and windows that say so (the help viewer).
bool isForm(const QWidget *w)
{
    if (!w->isWindow())
        return false;
    const Qt::WindowType type = w->windowType();
    if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop || type == Qt::SplashScreen)
        return false;
    if (qobject_cast<const QMenu *>(w) || qobject_cast<const QMessageBox *>(w) || qobject_cast<const QFileDialog *>(w))
        return false;
    return !w->property("linnetNotAForm").toBool();
}

QMdiSubWindow *frameOf(const QWidget *w)
{
    return w ? qobject_cast<QMdiSubWindow *>(w->parentWidget()) : nullptr;
}

bool isSwitchBoard(const QWidget *w)
{
    return w->windowTitle() == frmSwitchBoard::kCaption;
}
} // namespace

ChildWindows::ChildWindows(AppContext &context, const WindowRegistry &windows, QWidget &frame, QMdiArea &mdi)
    : QObject(&frame), m_context(context), m_windows(windows), m_frame(frame), m_mdi(mdi)
{
    qApp->installEventFilter(this);
}

ChildWindows::~ChildWindows()
{
    qApp->removeEventFilter(this);
}

void ChildWindows::track(QWidget *window)
{
    for (const QPointer<QWidget> &w : std::as_const(m_loadOrder))
        if (w == window)
            return;
    m_loadOrder.append(window);
}

QList<QWidget *> ChildWindows::loaded() const
{
    QList<QWidget *> out{&m_frame};
    for (const QPointer<QWidget> &w : m_loadOrder) {
        if (!w || w == &m_frame)
            continue;
        const QMdiSubWindow *frame = frameOf(w);
        // Hidden only by a hidden main window still counts as loaded.
        if (!w->isHidden() && (!frame || !frame->isHidden()))
            out.append(w);
    }
    return out;
}

bool ChildWindows::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *w = static_cast<QWidget *>(watched);
        if (auto *frame = qobject_cast<QMdiSubWindow *>(w)) {
            if (frame->mdiArea() == &m_mdi && frame->widget())
                track(frame->widget());
        } else if (w != &m_frame && isForm(w)) {
            track(w);
        }
    }
    return QObject::eventFilter(watched, event);
}

QWidget *ChildWindows::open(const QString &name, int arg)
{
    const bool schedule = name == QLatin1String("frmSched");
    if (schedule && (arg < 1 || arg > Capacities::kSchedules))
        return nullptr;
    // Looked up afresh after every call that may open another window: that
    // window's entry can rehash m_singleWindows, and a reference kept across
    // it would point into freed storage.
    const auto slotOf = [this, &name, arg, schedule]() -> QPointer<QWidget> & {
        return schedule ? m_scheduleWindows[arg - 1] : m_singleWindows[name];
    };
    QPointer<QWidget> slot = slotOf();
    if (!slot) {
        if (!m_windows.has(name))
            return nullptr;
        QWidget *w = m_windows.create(name, m_context, &m_mdi, arg);
        if (!w) {
            m_context.log.LogError(ErrNo::ObjectRequired, name + QStringLiteral(" could not be created"),
                                   QStringLiteral("frmMenu"), QStringLiteral("frmMenu"), QStringLiteral("Load"));
            return nullptr;
        }
        w->setAttribute(Qt::WA_DeleteOnClose);
        // Windows give their own size in their constructor; the frame around
        // them adds the title bar and borders. A window that customises its
        // title bar (no maximise button...) gets a frame with those hints.
        const QSize wanted = w->size();
        const Qt::WindowFlags hints = w->windowFlags() & ~Qt::WindowType_Mask;
        QMdiSubWindow *frame =
            m_mdi.addSubWindow(w, hints.testFlag(Qt::CustomizeWindowHint) ? hints : Qt::WindowFlags());
        frame->setWindowIcon(m_frame.windowIcon());
        if (w->testAttribute(Qt::WA_Resized))
            frame->resize(wanted + (frame->sizeHint() - w->sizeHint()));
        slotOf() = w;
        slot = w;
        track(w);
    }
    if (QMdiSubWindow *frame = frameOf(slot)) {
        if (frame->isMinimized())
            frame->showNormal();
        else
            frame->show();
        slot->show();
    }
    bringToTop(slot);
    return slot;
}

void ChildWindows::bringToTop(QWidget *window)
{
    if (QMdiSubWindow *frame = frameOf(window)) {
        m_mdi.setActiveSubWindow(frame);
        frame->raise();
    } else {
        window->raise();
        window->activateWindow();
    }
}

void ChildWindows::unload(QWidget *window)
{
    if (!window || window == &m_frame)
        return;
    if (QMdiSubWindow *frame = frameOf(window)) {
        frame->close();
        return;
    }
    if (window->close() && !window->testAttribute(Qt::WA_DeleteOnClose))
        window->deleteLater();
}

void ChildWindows::unloadAll()
{
    const QList<QWidget *> windows = loaded();
    for (int i = int(windows.size()) - 1; i >= 1; --i)
        unload(windows[i]);
}

void ChildWindows::closeAll()
{
    const QList<QWidget *> windows = loaded();
    for (int i = int(windows.size()) - 1; i >= 1; --i)
        if (!isSwitchBoard(windows[i]))
            unload(windows[i]);
}

bool ChildWindows::SaveOpenForms(const QString &title)
{
    AppState &s = m_context.state;
    // Guarded: accepting or closing one window may close others.
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : loaded())
        windows << w;
    for (int i = int(windows.size()) - 1; i >= 1; --i) {
        QWidget *w = windows[i];
        if (!w)
            continue;
        bringToTop(w);
        if (!uncommittedChanges(w).value_or(false)) {
            if (!isSwitchBoard(w))
                unload(w);
            continue;
        }
        const Prompter::Answer answer =
            s.AcceptAllChanges
                ? Prompter::AnswerYes
                : m_context.prompter.ask(QStringLiteral("Accept changes to ") + w->windowTitle() + QStringLiteral("?"),
                                         title, Prompter::YesNoCancel, Prompter::Exclamation);
        auto *editor = dynamic_cast<EditorWindow *>(w);
        if (answer == Prompter::AnswerYes) {
            editor->cmdOk_Click();
        } else if (answer == Prompter::AnswerNo) {
            editor->cmdCancel_Click();
        } else {
            s.AcceptAllChanges = false;
            if (windows[i]) {
                bringToTop(windows[i]);
                windows[i]->setFocus();
            }
            return false;
        }
    }
    s.AcceptAllChanges = false;
    return true;
}

bool ChildWindows::anyUncommittedChanges(bool unknownIsChanged) const
{
    const QList<QWidget *> windows = loaded();
    for (int i = int(windows.size()) - 1; i >= 1; --i) {
        if (windows[i]->objectName().compare(m_frame.objectName(), Qt::CaseInsensitive) == 0)
            continue;
        if (uncommittedChanges(windows[i]).value_or(unknownIsChanged))
            return true;
    }
    return false;
}

QList<QRect> ChildWindows::cascade(const QList<QSize> &sizes, QSize area, int step)
{
    QList<QRect> out;
    QPoint at(0, 0);
    for (const QSize &wanted : sizes) {
        const QSize size = wanted.boundedTo(area);
        if (at.x() + size.width() > area.width() || at.y() + size.height() > area.height())
            at = QPoint(0, 0);
        out << QRect(at, size);
        at += QPoint(step, step);
    }
    return out;
}

void ChildWindows::cascadeSchedules()
{
    QList<QMdiSubWindow *> frames;
    for (int n = Capacities::kSchedules; n >= 1; --n)
        if (QMdiSubWindow *frame = frameOf(m_scheduleWindows[n - 1]); frame && frame->isVisible())
            frames << frame;
    const QSize area = m_mdi.viewport()->size();
    if (frames.isEmpty() || area.isEmpty())
        return;
    QList<QSize> sizes;
    for (const QMdiSubWindow *frame : std::as_const(frames))
        sizes << frame->size();
    const int step = frames.first()->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frames.first());
    const QList<QRect> places = cascade(sizes, area, std::max(step, 1));
    for (int i = 0; i < frames.size(); ++i) {
        frames[i]->setGeometry(places[i]);
        bringToTop(frames[i]->widget());
    }
}

void ChildWindows::fillWindowList(QMenu *menu)
{
    for (QAction *a : std::as_const(m_windowListActions)) {
        menu->removeAction(a);
        a->deleteLater();
    }
    m_windowListActions.clear();
    const QList<QMdiSubWindow *> frames = m_mdi.subWindowList(QMdiArea::CreationOrder);
    if (frames.isEmpty())
        return;
    m_windowListActions << menu->addSeparator();
    int n = 0;
    for (QMdiSubWindow *frame : frames) {
        QAction *a = menu->addAction(QStringLiteral("&%1 %2").arg(++n).arg(frame->windowTitle()));
        a->setCheckable(true);
        a->setChecked(frame == m_mdi.activeSubWindow());
        connect(a, &QAction::triggered, this, [this, frame = QPointer<QMdiSubWindow>(frame)] {
            if (frame)
                m_mdi.setActiveSubWindow(frame);
        });
        m_windowListActions << a;
    }
}
