#pragma once

#include <QHash>
#include <QString>

#include <functional>

class QWidget;
struct AppContext;

// Window factories by window name ("frmSched", "frmClid", ...). The main window
// opens every child window through it, so each editor only registers itself.
class WindowRegistry {
public:
    // arg: the schedule number for "frmSched", otherwise 0.
    using Factory = std::function<QWidget *(AppContext &context, QWidget *parent, int arg)>;

    void add(const QString &name, Factory factory) { m_factories.insert(name, std::move(factory)); }
    bool has(const QString &name) const { return m_factories.contains(name); }
    QWidget *create(const QString &name, AppContext &context, QWidget *parent, int arg = 0) const
    {
        const auto it = m_factories.find(name);
        return it == m_factories.end() ? nullptr : (*it)(context, parent, arg);
    }

private:
    QHash<QString, Factory> m_factories;
};
