#include "QtPrinters.h"
#include "ReportFixture.h"

#include "reports/ReportContent.h"
#include "reports/ReportRenderer.h"

#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

using namespace Qt::StringLiterals;

namespace {
QString cellText(const QTextTableCell &cell)
{
    QTextCursor c = cell.firstCursorPosition();
    c.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return c.selectedText();
}
} // namespace

class ReportContentTest : public ReportFixture {
protected:
    // The report's table as laid out: one "|"-joined line per row (a group
    // line spans the row and is one cell).
    QStringList grid(int index)
    {
        QString error;
        const auto content = printing().content(index, &error);
        EXPECT_TRUE(content) << error.toStdString();
        if (!content)
            return {};
        const ReportRenderer renderer(*content, {});
        const auto doc = renderer.body(nullptr);
        QStringList rows;
        for (QTextFrame *frame : doc->rootFrame()->childFrames()) {
            auto *table = qobject_cast<QTextTable *>(frame);
            if (!table)
                continue;
            for (int r = 0; r < table->rows(); ++r) {
                QStringList cells;
                for (int c = 0; c < table->columns(); c += table->cellAt(r, c).columnSpan())
                    cells << cellText(table->cellAt(r, c));
                rows << cells.join(u'|');
            }
        }
        return rows;
    }
};

TEST_F(ReportContentTest, EachReportShowsTheKnownConfigurationInWords)
{
    fillKnownConfiguration();
    const QString none = u"|||||||||||||||"_s; // 16 empty page-group cells, joined
    const auto marks = [](QList<int> groups) {
        QStringList cells;
        for (int g = 1; g <= 16; ++g)
            cells << (groups.contains(g) ? u"X"_s : QString());
        return cells.join(u'|');
    };
    const struct {
        int index;
        QStringList rows; // rows expected, in order (the heading row included)
    } cases[] = {
        {0,
         {u"Audio source / page group|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16"_s, u"Background music|"_s + marks({2, 7}),
          u"Time tone|"_s + marks({1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16}),
          u"Emergency tone|"_s + marks({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16})}},
        {1,
         {u"Dial code / page group|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16"_s, u"50|"_s + none, u"51|"_s + marks({5}),
          u"52|"_s + none, u"53|"_s + none}},
        {2, {u"Description|Phone Number"_s, u"Main office|5551234"_s, u"North School|555 0199"_s}},
        {3,
         {u"Schedule|Sunday|Monday|Tuesday|Wednesday|Thursday|Friday|Saturday"_s, u"1||Active||||Active|"_s,
          u"2|||||||"_s, u"3|||||||"_s, u"4|||||||"_s, u"5|||||||"_s, u"6|||||||"_s}},
        {4,
         {u"Time|Relay|Duration|Page Groups"_s, u"Schedule 1"_s, u"06:15|Relay 4|5 sec|"_s,
          u"07:30|Relay 2|10 sec|1,3,16"_s, u"Schedule 2"_s, u"12:00|Relay 3|30 sec|1,4"_s}},
        {6,
         {u"Group #|Stations|Class Of Service"_s, u"1|1 - 6|Normal Only"_s, u"2|7 - 12|Normal / Emergency"_s,
          u"3|13 - 18|Normal / Emergency"_s, u"4|19 - 24|Normal / Emergency"_s, u"5|25 - 30|Normal / Emergency"_s,
          u"6|31 - 36|Normal / Emergency"_s, u"7|37 - 42|Normal / Emergency"_s, u"8|43 - 48|Emergency Only!"_s}},
        {7,
         {u"Switch|Option|Setting|Position"_s, u"1|Low Priority Station 21|Normal priority|OFF"_s,
          u"2|Low Priority Station 22|Low priority|ON"_s, u"3|Low Priority Station 23|Normal priority|OFF"_s,
          u"4|Low Priority Station 24|Normal priority|OFF"_s, u"5|3 Digit Dial Plan|Not set by the tool|"_s,
          u"6|Queue Tone|On|ON"_s, u"7|Dial Tone|Off|OFF"_s, u"8|Handsfree Alert Tone|On|ON"_s,
          u"9|Page Alert Tone|On|ON"_s, u"10|Ringback Tone|On|ON"_s, u"11|Privacy Tone|On|ON"_s,
          u"12|Priority Phone Offhook|Global All Call|ON"_s, u"13|Override External Global All Call|Off|OFF"_s,
          u"14|Ring Pattern|Dutch|OFF"_s, u"15|Ring Pattern (second switch)||ON"_s, u"16|Tone Source|External|ON"_s}},
        {8,
         {u"Setting|Value"_s, u"Clock board|Installed"_s, u"Clock A type|Digital Code A"_s,
          u"Clock B type|None selected"_s, u"Direction|Output"_s, u"Digital code format|24 Hour Enhanced"_s}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(grid(c.index), c.rows) << ReportList::stem(c.index).toStdString();

    // Stations of the existing boards only (one expansion board: 1-48), by board.
    const QStringList clid = grid(5);
    ASSERT_EQ(clid.size(), 1 + 2 + 48);
    EXPECT_EQ(clid[0], u"Station|ArchNumber|CLID"_s);
    EXPECT_EQ(clid[1], u"Main Board"_s);
    EXPECT_EQ(clid[2], u"1|2101|Front Office"_s);
    EXPECT_EQ(clid[26], u"Expansion 1"_s);
    EXPECT_EQ(clid[50], u"48|48|Gym"_s);
    EXPECT_FALSE(clid.join(u'\n').contains(u"Not fitted"_s));
}

TEST_F(ReportContentTest, PagesCarryTitleDatabaseLineDateAndPageNumbers)
{
    fillKnownConfiguration();
    for (int i = 0; i < ReportList::kCount; ++i) {
        const QStringList text = lines(printedText(i));
        ASSERT_GE(text.size(), 3) << ReportList::stem(i).toStdString();
        EXPECT_EQ(text[0], ReportList::caption(i).trimmed());
        EXPECT_EQ(text[1], u"Database = 'Untitled'"_s);
        EXPECT_TRUE(text.last().startsWith(u"Printed "_s)) << text.last().toStdString();
        EXPECT_TRUE(text.last().contains(QRegularExpression(u"Page (\\d+) of \\1$"_s))) << text.last().toStdString();
    }
    // The rows reach the PDF, aligned in their columns.
    const QStringList events = lines(printedText(4));
    EXPECT_TRUE(events.contains(u"07:30 Relay 2 10 sec 1,3,16"_s)) << events.join(u'\n').toStdString();
    const QStringList dip = lines(printedText(7));
    EXPECT_TRUE(dip.contains(u"14 Ring Pattern Dutch OFF"_s)) << dip.join(u'\n').toStdString();
}

TEST_F(ReportContentTest, EmptyResultsPrintTheDefinitionsLine)
{
    exec(u"DELETE FROM DipSwitch"_s);
    const QStringList text = lines(printedText(7));
    EXPECT_TRUE(text.contains(u"The system options are missing."_s)) << text.join(u'\n').toStdString();
    EXPECT_TRUE(lines(printedText(4)).contains(u"No events are programmed."_s));
}

TEST_F(ReportContentTest, LongReportsRunOverPagesWithTheirHeadingsOnEachPage)
{
    exec(u"UPDATE Config SET System_Config = 3"_s);
    ASSERT_TRUE(db->transaction());
    for (int e = 0; e < 256; ++e)
        addEvent(e % 6 + 1, QTime(0, 0).addSecs(60 * (e / 6 * 23 + e % 6 + 1)).toString(u"hh:mm"_s), e % 4 + 1,
                 e % 59 + 1, {1, 16});
    ASSERT_TRUE(db->commit());
    QString error, pdf;
    ASSERT_TRUE(printing().print(4, PrintDestination::pdf(out.path()), &error, &pdf)) << error.toStdString();
    const QStringList all = lines(pdfText(pdf));
    const qsizetype pages = all.filter(QRegularExpression(u"Page \\d+ of \\d+$"_s)).size();
    ASSERT_GT(pages, 3);
    EXPECT_TRUE(all.last().endsWith(u"Page %1 of %1"_s.arg(pages))) << all.last().toStdString();
    EXPECT_EQ(all.filter(QRegularExpression(u"^\\d\\d:\\d\\d Relay \\d \\d+ sec 1,16$"_s)).size(), 256);
    for (int p = 1; p <= pages; ++p) {
        const QStringList page = lines(pdfText(pdf, p, p));
        EXPECT_EQ(page.value(0), u"Schedule - Events"_s) << "page " << p;
        EXPECT_EQ(page.value(2), u"Time Relay Duration Page Groups"_s) << "page " << p;
    }

    ASSERT_TRUE(printing().print(5, PrintDestination::pdf(out.path()), &error, &pdf)) << error.toStdString();
    const QStringList stations = lines(pdfText(pdf));
    EXPECT_EQ(stations.filter(QRegularExpression(u"^\\d+$"_s)).size(), 96) << "every station of four boards";
    EXPECT_TRUE(stations.last().contains(QRegularExpression(u"Page ([2-9]) of \\1$"_s)))
        << stations.last().toStdString();
}
