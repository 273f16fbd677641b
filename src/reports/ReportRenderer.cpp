#include "reports/ReportRenderer.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

using namespace Qt::StringLiterals;

namespace {
constexpr int kBodyPoints = 9;
constexpr int kTitlePoints = 14;
constexpr int kSmallPoints = 8;
const QColor kHeadingShade(225, 225, 225);
const QColor kGroupShade(242, 242, 242);

QFont font(int points, bool bold = false)
{
    QFont f(u"DejaVu Sans"_s, points);
    f.setStyleHint(QFont::SansSerif);
    f.setBold(bold);
    return f;
}

// Device pixels of one typographic point on the device.
double pointSize(const QPaintDevice *device)
{
    return device ? device->logicalDpiY() / 72.0 : 96.0 / 72.0;
}

// The text layout takes lengths (column widths, padding, borders, margins) in
// pixels of a 96-dpi screen and scales them to its device itself.
constexpr double kLayoutPoint = 96.0 / 72.0;

// The width of one character of body text in layout pixels: the widest of a
// digit and the average character, as measured on the device.
double characterWidth(const QPaintDevice *device)
{
    const QFont body = font(kBodyPoints);
    const QFontMetricsF metrics = device ? QFontMetricsF(body, device) : QFontMetricsF(body);
    const double onDevice = std::max(metrics.averageCharWidth(), metrics.horizontalAdvance(u'0'));
    return device ? onDevice * 96.0 / device->logicalDpiX() : onDevice;
}

// The width of a column heading in bold, in layout pixels.
double headingWidth(const QString &heading, const QPaintDevice *device)
{
    const QFont bold = font(kBodyPoints, true);
    const QFontMetricsF metrics = device ? QFontMetricsF(bold, device) : QFontMetricsF(bold);
    const double onDevice = metrics.horizontalAdvance(heading);
    return device ? onDevice * 96.0 / device->logicalDpiX() : onDevice;
}

void setCell(QTextTable *table, int row, int column, const QString &text, const QTextCharFormat &format,
             Qt::Alignment alignment)
{
    QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
    QTextBlockFormat block = cursor.blockFormat();
    block.setAlignment(alignment);
    cursor.setBlockFormat(block);
    cursor.insertText(text, format);
}
} // namespace

ReportRenderer::ReportRenderer(const ReportContent &content, PageTexts texts)
    : m_content(content), m_texts(std::move(texts))
{
}

ReportRenderer::~ReportRenderer() = default;

std::unique_ptr<QTextDocument> ReportRenderer::body(QPaintDevice *device) const
{
    const ReportDefinition &def = m_content.definition;
    const double pt = kLayoutPoint;
    const double charWidth = characterWidth(device);
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(font(kBodyPoints));
    doc->setDocumentMargin(0);
    doc->setUndoRedoEnabled(false);

    const double padding = 3 * pt;
    QTextTableFormat tableFormat;
    tableFormat.setHeaderRowCount(1);
    tableFormat.setCellPadding(padding);
    tableFormat.setCellSpacing(0);
    tableFormat.setBorder(0.5 * pt);
    tableFormat.setBorderCollapse(true);
    tableFormat.setBorderBrush(Qt::gray);
    QList<QTextLength> widths;
    for (const ReportColumn &column : def.columns)
        // A heading never wraps: the column is at least as wide as its heading.
        widths << QTextLength(QTextLength::FixedLength,
                              std::max(column.width * charWidth, headingWidth(column.heading, device) + pt) +
                                  2 * padding);
    tableFormat.setColumnWidthConstraints(widths);

    const int columns = int(def.columns.size());
    int groups = 0;
    QString previous;
    for (int i = 0; i < m_content.rows.size(); ++i) {
        if (!def.groupField.isEmpty() && (i == 0 || m_content.rows[i].group != previous))
            ++groups;
        previous = m_content.rows[i].group;
    }
    QTextCursor cursor(doc.get());
    // One edit block: the table is laid out once at the end, not after every cell.
    cursor.beginEditBlock();
    QTextTable *table = cursor.insertTable(1 + groups + int(m_content.rows.size()), columns, tableFormat);

    QTextCharFormat heading;
    heading.setFont(font(kBodyPoints, true));
    QTextCharFormat plain;
    plain.setFont(font(kBodyPoints));
    for (int c = 0; c < columns; ++c) {
        table->cellAt(0, c).setFormat([&] {
            QTextCharFormat f = table->cellAt(0, c).format();
            f.setBackground(kHeadingShade);
            return f;
        }());
        setCell(table, 0, c, def.columns[c].heading, heading,
                def.columns[c].alignRight ? Qt::AlignRight : Qt::AlignLeft);
    }
    int row = 1;
    for (int i = 0; i < m_content.rows.size(); ++i) {
        const ReportRow &r = m_content.rows[i];
        if (!def.groupField.isEmpty() && (i == 0 || r.group != m_content.rows[i - 1].group)) {
            table->mergeCells(row, 0, 1, columns);
            QTextCharFormat shade = table->cellAt(row, 0).format();
            shade.setBackground(kGroupShade);
            table->cellAt(row, 0).setFormat(shade);
            const QString line = def.groupCaption.isEmpty() ? r.group : def.groupCaption + u' ' + r.group;
            setCell(table, row, 0, line, heading, Qt::AlignLeft);
            ++row;
        }
        for (int c = 0; c < columns; ++c)
            setCell(table, row, c, r.cells.value(c), plain, def.columns[c].alignRight ? Qt::AlignRight : Qt::AlignLeft);
        ++row;
    }
    if (m_content.rows.isEmpty()) {
        cursor.movePosition(QTextCursor::End);
        QTextBlockFormat spaced;
        spaced.setTopMargin(6 * pt);
        cursor.insertBlock(spaced);
        cursor.insertText(def.emptyText.isEmpty() ? u"(nothing to print)"_s : def.emptyText, plain);
    }
    cursor.endEditBlock();
    // The layout is made only now, for the device: fonts in points become its pixels.
    if (device)
        doc->documentLayout()->setPaintDevice(device);
    return doc;
}

QString ReportRenderer::footerLeft() const
{
    return u"Printed "_s + QLocale().toString(m_texts.printed, QLocale::ShortFormat);
}

QString ReportRenderer::pageText(int page, int pages)
{
    return u"Page %1 of %2"_s.arg(page).arg(pages);
}

int ReportRenderer::render(QPagedPaintDevice &device, QString *error) const
{
    QPainter painter;
    if (!painter.begin(&device)) {
        if (error)
            *error = u"the printer or file could not be opened"_s;
        return 0;
    }
    const double pt = pointSize(&device);
    const QRectF page(0, 0, device.width(), device.height());
    const QFont titleFont = font(kTitlePoints, true);
    const QFont smallFont = font(kSmallPoints);
    const QFontMetricsF titleMetrics(titleFont, &device);
    const QFontMetricsF smallMetrics(smallFont, &device);

    const double headerHeight = titleMetrics.height() + smallMetrics.height() + 10 * pt;
    const double footerHeight = smallMetrics.height() + 8 * pt;
    const QRectF bodyRect(page.left(), page.top() + headerHeight, page.width(),
                          page.height() - headerHeight - footerHeight);

    std::unique_ptr<QTextDocument> doc = body(&device);
    doc->setPageSize(bodyRect.size());
    const int pages = std::max(1, doc->pageCount());
    const QString title = m_content.definition.title;
    const QString printed = footerLeft();

    for (int p = 0; p < pages; ++p) {
        if (p > 0 && !device.newPage()) {
            if (error)
                *error = u"a new page could not be started"_s;
            painter.end();
            return 0;
        }
        painter.setPen(Qt::black);
        painter.setFont(titleFont);
        painter.drawText(QRectF(page.left(), page.top(), page.width(), titleMetrics.height()),
                         Qt::AlignLeft | Qt::AlignTop, title);
        painter.setFont(smallFont);
        const QRectF databaseLine(page.left(), page.top() + titleMetrics.height() + 2 * pt, page.width(),
                                  smallMetrics.height());
        painter.drawText(databaseLine, Qt::AlignLeft | Qt::AlignTop, m_texts.database);
        const double rule = databaseLine.bottom() + 3 * pt;
        painter.drawLine(QPointF(page.left(), rule), QPointF(page.right(), rule));

        const QRectF footer(page.left(), page.bottom() - smallMetrics.height(), page.width(), smallMetrics.height());
        painter.drawLine(QPointF(page.left(), footer.top() - 3 * pt), QPointF(page.right(), footer.top() - 3 * pt));
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, printed);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter, pageText(p + 1, pages));

        painter.save();
        painter.translate(bodyRect.left(), bodyRect.top() - p * bodyRect.height());
        doc->drawContents(&painter, QRectF(0, p * bodyRect.height(), bodyRect.width(), bodyRect.height()));
        painter.restore();
    }
    painter.end();
    return pages;
}
