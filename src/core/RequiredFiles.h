#pragma once

#include <QString>
#include <QStringList>

struct AppContext;

// The start-up check that every file the tool needs is in the application
// folder. A missing phone or modem list is first made from its template.
class RequiredFiles {
public:
    explicit RequiredFiles(AppContext &context) : m_context(context) {}

    // True when every required file is present; the first missing one has been
    // reported and ends the check with false.
    bool CheckRequiredFiles();
    // True when application folder/name exists (letter case ignored); otherwise
    // tells the user the file was not found and returns false.
    bool CheckFile(const QString &name);

    // The report definitions this build expects, in the order they are checked.
    static QStringList reportSet();

private:
    // Copies template to name when name is missing, then checks both.
    bool ensureFromTemplate(const QString &name, const QString &templateName);

    AppContext &m_context;
};
