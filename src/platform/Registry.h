#pragma once

#include <QString>

// Read-only registry queries. The only query the tool makes is the installed
// HTML renderer's version, used to choose between the HTML and the plain-text
// help file.
class Registry {
public:
    static constexpr const char *kLocalMachine = "HKEY_LOCAL_MACHINE";
    static constexpr const char *kBrowserKey = "Software\\Microsoft\\Internet Explorer";

    virtual ~Registry() = default;
    // The text of a string value, "" when it cannot be read.
    virtual QString GetRegString(const QString &root, const QString &key, const QString &valueName) const = 0;
};

// This platform answers the browser-version query with the version of the HTML
// renderer the help window uses (Qt's own version); every other query is empty.
class QtRegistry : public Registry {
public:
    QString GetRegString(const QString &root, const QString &key, const QString &valueName) const override;
};

// Fixed answers, for tests.
class FixedRegistry : public Registry {
public:
    explicit FixedRegistry(QString version) : m_version(std::move(version)) {}
    QString GetRegString(const QString &, const QString &, const QString &) const override { return m_version; }

private:
    QString m_version;
};
