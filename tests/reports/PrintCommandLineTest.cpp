#include "Programs.h"
#include "QtPrinters.h"
#include "ReportFixture.h"

#include <QDir>

using namespace Qt::StringLiterals;

class PrintCommandLineTest : public ReportFixture {
protected:
    CliRun print(const QStringList &args)
    {
        return runCli(QStringList{u"--app-dir"_s, ctx().paths.appDir(), u"print"_s} + args);
    }
    QStringList written() const { return QDir(out.path()).entryList(QDir::Files, QDir::Name); }
};

TEST_F(PrintCommandLineTest, PrintsTheReportsOfAFileToPdf)
{
    const QString file = folder.copyTemplate(u"DEFAULT"_s, u"site.mdb"_s);
    {
        Database site(file);
        ASSERT_TRUE(site.exec(u"UPDATE Clid SET archnum = '3107' WHERE clid_station = 2"_s));
    }
    CliRun run = print({file, u"--pdf"_s, out.path()});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    // Without a clock board, as Select All: every report but the clock options.
    EXPECT_EQ(written().size(), 8);
    EXPECT_FALSE(written().contains(u"clocks.pdf"_s));
    EXPECT_TRUE(run.out.contains(u"Wrote "_s + out.filePath(u"Clid.pdf"_s))) << run.out.toStdString();
    const QStringList clid = lines(pdfText(out.filePath(u"Clid.pdf"_s)));
    EXPECT_EQ(clid.value(1), databaseLine(file));
    EXPECT_TRUE(clid.contains(u"2 3107"_s));

    QDir(out.path()).removeRecursively();
    run = print({u"--reports"_s, u"CLOCKS,0"_s, file, u"--pdf"_s, out.path()});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(written(), (QStringList{u"Bgm.pdf"_s, u"clocks.pdf"_s}));
}

TEST_F(PrintCommandLineTest, RefusesBadArgumentsAndFiles)
{
    const QString file = folder.copyTemplate(u"DEFAULT"_s, u"site.mdb"_s);
    const struct {
        QStringList args;
        int status;
        QString error;
    } cases[] = {
        {{file}, 2, u"a configuration file and --pdf OUT_DIR are needed"_s},
        {{file, u"--pdf"_s}, 2, u"--pdf needs a value"_s},
        {{file, u"--pdf"_s, out.path(), u"--reports"_s, u"payroll"_s}, 2, u"no report is called \"payroll\""_s},
        {{file, u"--pdf"_s, out.path(), u"--colour"_s}, 2, u"unknown option --colour"_s},
        {{out.filePath(u"none.mdb"_s), u"--pdf"_s, out.path()}, 5, u"does not exist"_s},
    };
    for (const auto &c : cases) {
        const CliRun run = print(c.args);
        EXPECT_EQ(run.status, c.status) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.error)) << run.err.toStdString();
    }
    EXPECT_TRUE(written().isEmpty());

    // A definition that cannot be read ends the run with the reason.
    QFile::remove(ctx().paths.file(u"reports/sched.rpt"_s));
    const CliRun run = print({file, u"--pdf"_s, out.path()});
    EXPECT_EQ(run.status, 6);
    EXPECT_TRUE(run.err.contains(u"Schedule - Active Days could not be printed: cannot read "_s))
        << run.err.toStdString();
    EXPECT_EQ(written(), (QStringList{u"Bgm.pdf"_s, u"PageGrp.pdf"_s, u"Phonlst.pdf"_s}));
}
