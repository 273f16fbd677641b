#include "QtPrinters.h"
#include "ReportFixture.h"

#include "reports/ReportContent.h"
#include "reports/ReportDefinition.h"
#include "reports/ReportFormula.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

using namespace Qt::StringLiterals;

TEST(ReportDefinition, ReadsKeysCommentsContinuedLinesAndGroups)
{
    QString error;
    const auto def = ReportDefinition::parse(u"# comment\r\n"
                                             "title= Events \r\n"
                                             "query=SELECT a, \\\n  b FROM t\n"
                                             "\n"
                                             "group=b|Schedule \n"
                                             "column=a|Time|8\n"
                                             "column=b|Count|5|Right\n"
                                             "empty=Nothing here.\n"_s,
                                             &error);
    ASSERT_TRUE(def) << error.toStdString();
    EXPECT_EQ(def->title, u"Events"_s);
    EXPECT_EQ(def->query, u"SELECT a, \n  b FROM t"_s);
    EXPECT_EQ(def->groupField, u"b"_s);
    EXPECT_EQ(def->groupCaption, u"Schedule"_s);
    ASSERT_EQ(def->columns.size(), 2);
    EXPECT_EQ(def->columns[0].heading, u"Time"_s);
    EXPECT_EQ(def->columns[0].width, 8);
    EXPECT_FALSE(def->columns[0].alignRight);
    EXPECT_TRUE(def->columns[1].alignRight);
    EXPECT_EQ(def->emptyText, u"Nothing here."_s);
}

TEST(ReportDefinition, RefusesMalformedDefinitionsWithTheLine)
{
    const QString ok = u"title=T\nquery=SELECT 1 AS a\ncolumn=a|A|3\n"_s;
    const struct {
        QString text;
        QString error;
    } cases[] = {
        {u"title=T\nquery=SELECT 1\n"_s, u"a definition needs a title, a query and at least one column"_s},
        {u"query=SELECT 1 AS a\ncolumn=a|A|3\n"_s, u"a definition needs a title, a query and at least one column"_s},
        {ok + u"just text\n"_s, u"line 4: not a key=value line"_s},
        {ok + u"colour=red\n"_s, u"line 4: unknown key \"colour\""_s},
        {ok + u"column=b|B\n"_s, u"line 4: a column is field|heading|width[|right]"_s},
        {ok + u"column=b|B|0\n"_s, u"line 4: the column width must be a number from 1 to 200"_s},
        {ok + u"column=b|B|x\n"_s, u"line 4: the column width must be a number from 1 to 200"_s},
        {ok + u"column=b|B|4|centre\n"_s, u"line 4: the column's fourth part can only be \"right\""_s},
        {ok + u"column=|B|4\n"_s, u"line 4: the column has no result column"_s},
        {ok + u"group=|x\n"_s, u"line 4: a group is field|caption"_s},
        {ok + u"database=../errors\n"_s, u"line 4: the database must be a file name of the application folder"_s},
        {ok + u"database=/tmp/x\n"_s, u"line 4: the database must be a file name of the application folder"_s},
    };
    for (const auto &c : cases) {
        QString error;
        EXPECT_FALSE(ReportDefinition::parse(c.text, &error)) << c.text.toStdString();
        EXPECT_EQ(error, c.error) << c.text.toStdString();
    }
}

TEST(ReportList, FindsReportsByNumberOrNameInAnyCase)
{
    EXPECT_EQ(ReportList::find(u"0"_s), 0);
    EXPECT_EQ(ReportList::find(u"8"_s), 8);
    EXPECT_EQ(ReportList::find(u"9"_s), -1);
    EXPECT_EQ(ReportList::find(u"-1"_s), -1);
    EXPECT_EQ(ReportList::find(u"EVENT"_s), 4);
    EXPECT_EQ(ReportList::find(u"phonlst"_s), 2);
    EXPECT_EQ(ReportList::find(u"phonelist"_s), -1);
    EXPECT_EQ(ReportList::stem(1), u"PageGrp"_s);
    EXPECT_EQ(ReportList::definitionPath(u"/app"_s, 0), u"/app/reports/Bgm.rpt"_s);
}

TEST(ReportFormula, NamesTheFileWithItsDateOrUntitled)
{
    EXPECT_EQ(ReportFormula::text(u"Untitled"_s), u"Database = 'Untitled'"_s);
    QTemporaryDir dir;
    const QString file = dir.filePath(u"site.mdb"_s);
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    const QDateTime stamp(QDate(2023, 11, 28), QTime(9, 41));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(stamp, QFileDevice::FileModificationTime));
    }
    EXPECT_EQ(ReportFormula::text(file),
              u"Database = '"_s + file + u"  "_s + QLocale().toString(stamp, QLocale::ShortFormat) + u"'"_s);
    // A file gone since it was opened is still named, without a date.
    EXPECT_EQ(ReportFormula::text(dir.filePath(u"gone.mdb"_s)),
              u"Database = '"_s + dir.filePath(u"gone.mdb"_s) + u"'"_s);
}

class ReportQueryTest : public ReportFixture {};

TEST_F(ReportQueryTest, EveryCommittedDefinitionReadsTheDefaultConfiguration)
{
    for (int i = 0; i < ReportList::kCount; ++i) {
        QString error;
        const auto content = printing().content(i, &error);
        EXPECT_TRUE(content) << ReportList::stem(i).toStdString() << ": " << error.toStdString();
    }
}

TEST_F(ReportQueryTest, DefinitionsAreFoundWithoutRegardToLetterCase)
{
    // The seeded files are lower case; the list names some in mixed case.
    const QString dir = ctx().paths.file(u"reports"_s);
    ASSERT_TRUE(QFile::rename(dir + u"/event.rpt"_s, dir + u"/EVENT.RPT"_s));
    QString error;
    EXPECT_TRUE(printing().content(4, &error)) << error.toStdString();
}

TEST_F(ReportQueryTest, QueryProblemsAreReportedAndWriteNothing)
{
    const QString dir = ctx().paths.file(u"reports"_s);
    const auto write = [&](const QString &text) {
        QFile f(dir + u"/class.rpt"_s);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
    };
    const struct {
        QString definition;
        QString error;
    } cases[] = {
        {u"title=T\nquery=SELECT Nothing FROM Nowhere\ncolumn=Nothing|N|4\n"_s, u"the query failed: "_s},
        {u"title=T\nquery=SELECT \"Group\" FROM ClassService\ncolumn=Service|S|4\n"_s,
         u"the query gives no column \"Service\""_s},
        {u"title=T\nquery=SELECT 1 AS a\ngroup=b|B\ncolumn=a|A|4\n"_s, u"the query gives no column \"b\""_s},
        // Definitions only read: the working database is opened read-only.
        {u"title=T\nquery=DELETE FROM ClassService\ncolumn=a|A|4\n"_s, u"the query failed: "_s},
        {u"title=T\ndatabase=nosuchfile\nquery=SELECT 1 AS a\ncolumn=a|A|4\n"_s, u"the database "_s},
    };
    for (const auto &c : cases) {
        write(c.definition);
        QString error;
        EXPECT_FALSE(printing().print(6, PrintDestination::pdf(out.path()), &error)) << c.definition.toStdString();
        EXPECT_TRUE(error.startsWith(c.error)) << error.toStdString();
    }
    EXPECT_EQ(db->scalar(u"SELECT count(*) FROM ClassService"_s).value_or(0).toInt(), 16);
    EXPECT_TRUE(QDir(out.path()).isEmpty()) << "a failed report leaves no PDF file";
}

TEST_F(ReportQueryTest, PrintsEachReportOnceInListOrderAndStopsAtTheFirstFailure)
{
    PrintOutcome outcome = printing().printAll({7, 0, 4, 0}, PrintDestination::pdf(out.path()));
    EXPECT_EQ(outcome.printed, (QList<int>{0, 4, 7}));
    EXPECT_EQ(outcome.failed, -1);
    EXPECT_EQ(outcome.outputs.value(1), out.filePath(u"event.pdf"_s));

    QFile::remove(ctx().paths.file(u"reports/clid.rpt"_s));
    QDir(out.path()).removeRecursively();
    outcome = printing().printAll({6, 5, 3}, PrintDestination::pdf(out.path()));
    EXPECT_EQ(outcome.printed, QList<int>{3});
    EXPECT_EQ(outcome.failed, 5);
    EXPECT_TRUE(outcome.error.startsWith(u"cannot read "_s)) << outcome.error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out.filePath(u"class.pdf"_s)));
}
