#include "editors/common/AreaWindow.h"

#include "ui/SubWindowActivation.h"

#include "core/AppContext.h"

#include "ui/WindowUtil.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QShortcut>

AreaWindow::AreaWindow(AppContext &context, const QString &name, QWidget *parent) : QWidget(parent), m_context(context)
{
    setObjectName(name);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, [this] { cmdCancel_Click(); });
}

QPushButton *AreaWindow::button(const QString &name, const QString &caption, QWidget *parent)
{
    return commandButton(caption, name, parent);
}

void AreaWindow::closeWindow()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void AreaWindow::logError(const QString &procedure, const QString &description)
{
    m_context.log.LogError(ErrNo::DatabaseError, description, objectName(), objectName(), procedure);
}

void AreaWindow::Form_GotFocus()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()); sub && sub->isMaximized())
        sub->showNormal();
}

bool AreaWindow::event(QEvent *e)
{
    if (e->type() == QEvent::ParentChange)
        followSubWindow(this, [this] { Form_GotFocus(); });
    return QWidget::event(e);
}
