#include "core/Variant.h"
#include "CaseNames.h"
#include "core/RequiredFiles.h"
#include "platform/Database.h"

#include "QtPrinters.h"
#include "TempAppFolder.h"

#include <QFile>

#include <gtest/gtest.h>

struct HelpCase {
    const char *version;
    int level;
    const char *helpFile;
    bool logged;
};
class HelpFileChoice : public ::testing::TestWithParam<HelpCase> {};
TEST_P(HelpFileChoice, FollowsTheBrowserVersion)
{
    const HelpCase &c = GetParam();
    TempAppFolder app;
    FixedRegistry registry{QString::fromLatin1(c.version)};
    AppContext ctx(app.context().paths, app.prompter(), registry);
    EXPECT_EQ(Variant::helpViewerLevel(QString::fromLatin1(c.version)), c.level);
    iniSysOpt(ctx);
    EXPECT_EQ(ctx.state.variant.HelpFileName, QString::fromLatin1(c.helpFile));
    Database db(ctx.paths.ErrorsDbPath());
    const auto logged = db.scalar(QStringLiteral("SELECT count(*) FROM \"Error\" WHERE ErrProgram = 'AA_Sys_WhoAmi' "
                                                 "AND errmodule = 'AA_Sys_WhoAmi' AND errfcn = 'iniSysOpt'"));
    EXPECT_EQ(logged.value_or(-1).toInt(), c.logged ? 1 : 0);
}
INSTANTIATE_TEST_SUITE_P(
    Versions, HelpFileChoice,
    ::testing::Values(HelpCase{"6.0.2900.2180", 6, "Linnets.chm", false}, HelpCase{"4.0", 4, "Linnets.chm", false},
                      HelpCase{"3.02", 3, "Linnets.hlp", false}, HelpCase{"7", 0, "Linnets.hlp", true},
                      HelpCase{"x.1", 0, "Linnets.hlp", true}, HelpCase{"", 0, "Linnets.hlp", false}),
    [](const auto &info) { return "Version" + caseName(info.param.version); });

TEST(Variant, ActiveBuildIsTheLinnetEntry)
{
    TempAppFolder app;
    iniSysOpt(app.context());
    const VariantRecord &v = app.context().state.variant;
    EXPECT_EQ(v.ProductTitle, QStringLiteral("Tarnwick Linnet Programming Tool"));
    EXPECT_EQ(v.ReleaseTitle, QStringLiteral("Linnet Programming Tool  -  04/24/2006"));
    EXPECT_EQ(v.VersionText, QStringLiteral("Version - 2.01"));
    EXPECT_EQ(v.IconName, QStringLiteral("/Linnet.ico"));
    EXPECT_FALSE(v.NoticeText.isEmpty());
}

TEST(Variant, RowOneHelpNamesFollowThePluralChoiceAndOtherRowsKeepTheirOwn)
{
    EXPECT_STREQ(Variant::rowFor(1, true, false).HelpChm, "Linnet.chm");
    EXPECT_STREQ(Variant::rowFor(1, false, true).HelpHlp, "Linnets.hlp");
    EXPECT_STREQ(Variant::rowFor(1, false, true).ModelName, "Heron");
    EXPECT_STREQ(Variant::rowFor(3, true, true).HelpChm, "Martenhlp.chm");
    QStringList notices;
    for (const VariantRow &row : Variant::table(true))
        notices << QString::fromLatin1(row.NoticeText);
    notices.removeDuplicates();
    EXPECT_EQ(notices.size(), Variant::kRows); // every entry has a notice line of its own
}

class RequiredFilesCheck : public ::testing::Test {
protected:
    void SetUp() override { iniSysOpt(app.context()); }
    TempAppFolder app;
};

TEST_F(RequiredFilesCheck, TheTemplatesHoldEveryRequiredFile)
{
    EXPECT_TRUE(RequiredFiles(app.context()).CheckRequiredFiles());
    EXPECT_TRUE(app.prompter().asked().isEmpty());
}

TEST_F(RequiredFilesCheck, MakesMissingPhoneAndModemListsFromTheirTemplates)
{
    AppContext &ctx = app.context();
    ASSERT_FALSE(QFile::exists(ctx.paths.file(QStringLiteral("phonelst"))));
    ASSERT_FALSE(QFile::exists(ctx.paths.file(QStringLiteral("modem"))));
    EXPECT_TRUE(RequiredFiles(ctx).CheckRequiredFiles());
    Database db(ctx.paths.file(QStringLiteral("phonelst")));
    EXPECT_EQ(db.rowCount(QStringLiteral("PhoneList")).value_or(-1), 1);
    EXPECT_TRUE(QFile::exists(ctx.paths.file(QStringLiteral("modem"))));
}

TEST_F(RequiredFilesCheck, TheFirstMissingFileIsReportedAndEndsTheCheck)
{
    AppContext &ctx = app.context();
    ASSERT_TRUE(QFile::remove(ctx.paths.file(QStringLiteral("reports/dip.rpt"))));
    ASSERT_TRUE(QFile::remove(ctx.paths.file(QStringLiteral("Linnets.chm"))));
    EXPECT_FALSE(RequiredFiles(ctx).CheckRequiredFiles());
    ASSERT_EQ(app.prompter().asked().size(), 1);
    const auto &p = app.prompter().asked().first();
    EXPECT_EQ(p.text, QStringLiteral("File 'reports/dip.rpt' was not found in the application directory. Make sure "
                                     "the application was properly installed."));
    EXPECT_EQ(p.title, QStringLiteral("Tarnwick Linnet Programming Tool"));
    EXPECT_EQ(p.icon, Prompter::Exclamation);
}

TEST_F(RequiredFilesCheck, NamesAreMatchedWithoutRegardToCase)
{
    AppContext &ctx = app.context();
    ASSERT_TRUE(QFile::rename(ctx.paths.ErrorsDbPath(), ctx.paths.file(QStringLiteral("ERRORS"))));
    EXPECT_TRUE(RequiredFiles(ctx).CheckFile(QStringLiteral("Errors")));
    ASSERT_TRUE(QFile::remove(ctx.paths.file(QStringLiteral("Dphonelst"))));
    EXPECT_FALSE(RequiredFiles(ctx).CheckRequiredFiles());
    EXPECT_EQ(app.prompter().texts().value(0).left(17), QStringLiteral("File 'Dphonelst' "));
}
