#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

#include <QList>
#include <QStringList>

#include <functional>

class QPagedPaintDevice;
struct ReportContent;

// The outcome of printing several reports one after the other.
struct PrintOutcome {
    QList<int> printed;  // entries printed, in order
    QStringList outputs; // the PDF files written ("" for each report sent to the printer)
    int failed = -1;     // the entry whose printing failed and ended the run, or -1
    QString error;       // why it failed
};

// Where the printed reports go: the system's default printer, or one PDF file
// per report in a folder.
struct PrintDestination {
    static constexpr const char *kEnvironmentVariable = "LINNET_PRINT_TO_PDF";

    QString pdfDir;         // empty: the default printer
    bool noPrinter = false; // PDF files because the system has no printer

    bool toPrinter() const { return pdfDir.isEmpty(); }

    // The folder in LINNET_PRINT_TO_PDF when it is set; else the default
    // printer when there is one; else PDF files in the application folder's
    // "printed" folder.
    static PrintDestination resolve(const QString &appDir);
    static PrintDestination pdf(const QString &dir) { return {dir, false}; }
};

// Prints the reports of the list: reads the definition, runs its query on
// the working database, lays out its pages with the database line of the open
// configuration and sends them to the destination. The definition files and
// the databases are only read.
class ReportPrinting {
public:
    // currentFileName: the open configuration's path, or "Untitled".
    ReportPrinting(QString appDir, QString workingDbPath, QString currentFileName, QDateTime printed);

    // The report of entry index (0-8) read and queried; nothing, with the
    // reason in error, when its definition or query fails.
    std::optional<ReportContent> content(int index, QString *error) const;

    // Prints entry index; false with the reason in error. output: the PDF
    // file written, or "" for the printer.
    bool print(int index, const PrintDestination &destination, QString *error, QString *output = nullptr) const;

    // Prints the entries in list order, each once, whatever order they are
    // given in; the first failure ends the run. between runs after each report,
    // so that the user interface can process its events.
    PrintOutcome printAll(QList<int> indices, const PrintDestination &destination,
                          const std::function<void()> &between = {}) const;

    // Lays the report out on device; the page count, 0 on failure.
    int renderTo(const ReportContent &content, QPagedPaintDevice &device, QString *error) const;

    // The PDF file of entry index in dir: the definition's name with ".pdf" ("Bgm.pdf").
    static QString pdfPath(const QString &dir, int index);

    const QString &databaseLine() const { return m_databaseLine; }

private:
    QString m_appDir;
    QString m_workingDb;
    QString m_databaseLine;
    QDateTime m_printed;
};
