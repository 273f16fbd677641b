#pragma once

#include "shell/MenuTable.h"

#include <QHash>
#include <QObject>

class QAction;
class QMenu;
class QMenuBar;

// The menu bar built from the menu table: every submenu, item and separator is
// a QAction carrying its control name, found again by that name.
class MenuItems : public QObject {
    Q_OBJECT
public:
    MenuItems(QMenuBar *bar, const QList<MenuEntry> &entries);

    // An item, a submenu's item or a separator by its control name; nullptr if unknown.
    QAction *item(const QString &name) const { return m_items.value(name, nullptr); }
    QMenu *submenu(const QString &name) const { return m_menus.value(name, nullptr); }
    void setEnabled(const QString &name, bool enabled);
    void setEnabled(const QStringList &names, bool enabled);
    bool isEnabled(const QString &name) const;

private:
    QWidget *parentOf(const MenuEntry &entry, QMenuBar *bar) const;

    QHash<QString, QAction *> m_items;
    QHash<QString, QMenu *> m_menus;
};
