#pragma once

#include "reports/ReportContent.h"

#include <QDateTime>
#include <QString>

#include <memory>

class QPagedPaintDevice;
class QPaintDevice;
class QTextDocument;

// Lays a report out on pages: the rows in one table whose heading row repeats
// on every page (a group starts with a line of its caption and value), and on
// each page a header (the title and the database line) and a footer (the print
// date and time, "Page n of m").
class ReportRenderer {
public:
    struct PageTexts {
        QString database;  // ReportFormula::text
        QDateTime printed; // shown in the footer
    };

    ReportRenderer(const ReportContent &content, PageTexts texts);
    ~ReportRenderer();

    // The body laid out for device (the screen when null); its pages are
    // counted once a page size is set.
    std::unique_ptr<QTextDocument> body(QPaintDevice *device) const;

    // Paints every page on device (which must not be painted yet); the number
    // of pages, or 0 when the device could not be painted (error says why).
    int render(QPagedPaintDevice &device, QString *error) const;

    // The footer's texts of page n of m.
    QString footerLeft() const;
    static QString pageText(int page, int pages);

private:
    const ReportContent &m_content;
    PageTexts m_texts;
};
