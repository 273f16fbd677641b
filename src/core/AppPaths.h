#pragma once

#include <QString>

// Where the tool keeps its files: one application folder holding the settings,
// the errors database, the template and working configurations, the phone and
// modem lists, the reports, the help and icon files and the transfer logs.
class AppPaths {
public:
    // appDir: --app-dir, else the per-user data folder. templatesDir: the installed
    // templates ("<program dir>/../share/linnet" unless given).
    explicit AppPaths(QString appDir, QString templatesDir = {});

    const QString &appDir() const { return m_appDir; }
    const QString &templatesDir() const { return m_templatesDir; }

    // appDir + "/" + name
    QString file(const QString &name) const;

    QString IniFilePath() const { return file(QStringLiteral("settings.ini")); }
    QString ErrorsDbPath() const { return file(QStringLiteral("errors")); }
    QString DefaultDbPath() const { return file(QStringLiteral("DEFAULT")); }
    QString TempDbPath() const { return file(QStringLiteral("~TEMP")); }
    // Beside the working copy while it holds changes not saved to the user's
    // file; it names that file. Close removes it with the working copy ("~temp.*").
    QString UnsavedMarkerPath() const { return file(QStringLiteral("~TEMP.unsaved")); }
    QString TxTracePath() const { return file(QStringLiteral("tx_data.txt")); }
    QString RxTracePath() const { return file(QStringLiteral("rx_data.txt")); }
    QString CommLogPath() const { return file(QStringLiteral("log_file.txt")); }

    // On first use (the folder is missing or empty) copies every template into
    // it. Returns false when the folder cannot be created or a copy fails, and
    // when it holds other files but none of the tool's: it is not an
    // application folder, and the tool neither fills nor uses it.
    bool seedFromTemplates(QString *error = nullptr) const;

    static QString defaultAppDir();
    static QString defaultTemplatesDir();

private:
    QString m_appDir;
    QString m_templatesDir;
};
