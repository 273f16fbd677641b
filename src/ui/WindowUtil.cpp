#include "ui/WindowUtil.h"

#include <QPushButton>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CenterScreen(QWidget *window)
{
    if (!window)
        return;
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    const int left = std::max(0, (area.width() - size.width()) / 2);
    const int top = std::max(0, (area.height() - size.height()) / 2);
    window->move(area.left() + left, area.top() + top);
}

QPushButton *commandButton(const QString &caption, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}
