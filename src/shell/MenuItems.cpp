#include "shell/MenuItems.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

MenuItems::MenuItems(QMenuBar *bar, const QList<MenuEntry> &entries) : QObject(bar)
{
    for (const MenuEntry &entry : entries) {
        QWidget *parent = parentOf(entry, bar);
        QAction *action = nullptr;
        switch (entry.kind) {
        case MenuEntry::Kind::Submenu: {
            auto *menu = new QMenu(entry.caption, parent);
            menu->setObjectName(entry.name);
            action = menu->menuAction();
            parent->addAction(action);
            m_menus.insert(entry.name, menu);
            break;
        }
        case MenuEntry::Kind::Separator:
            action = new QAction(parent);
            action->setSeparator(true);
            parent->addAction(action);
            break;
        case MenuEntry::Kind::Item:
            action = new QAction(entry.caption, parent);
            action->setShortcut(entry.key);
            parent->addAction(action);
            break;
        }
        action->setObjectName(entry.name);
        action->setVisible(!(entry.initially & MenuEntry::Hidden));
        action->setEnabled(!(entry.initially & MenuEntry::Disabled));
        action->setCheckable(entry.initially & MenuEntry::Checkable);
        if (entry.handler) {
            const bool checkable = action->isCheckable();
            connect(action, &QAction::triggered, this, [action, checkable, handler = entry.handler](bool checked) {
                // The command decides from the mark as it was before the click.
                if (checkable)
                    action->setChecked(!checked);
                handler();
            });
        }
        m_items.insert(entry.name, action);
    }
}

QWidget *MenuItems::parentOf(const MenuEntry &entry, QMenuBar *bar) const
{
    if (entry.parent.isEmpty())
        return bar;
    return m_menus.value(entry.parent, nullptr);
}

void MenuItems::setEnabled(const QString &name, bool enabled)
{
    if (QAction *a = item(name))
        a->setEnabled(enabled);
}

void MenuItems::setEnabled(const QStringList &names, bool enabled)
{
    for (const QString &name : names)
        setEnabled(name, enabled);
}

bool MenuItems::isEnabled(const QString &name) const
{
    const QAction *a = item(name);
    return a && a->isEnabled();
}
