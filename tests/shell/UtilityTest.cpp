#include "core/Utility.h"
#include "CaseNames.h"

#include "TempAppFolder.h"
#include "platform/Database.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Utility;

struct PadCase {
    const char *name;
    QString (*fn)(const QString &, int);
    const char *text;
    int n;
    const char *expected;
};
void PrintTo(const PadCase &c, std::ostream *os)
{
    *os << c.name;
}
class Padding : public ::testing::TestWithParam<PadCase> {};
TEST_P(Padding, GivesExactlyNCharacters)
{
    const PadCase &c = GetParam();
    EXPECT_EQ(c.fn(QString::fromLatin1(c.text), c.n), QString::fromLatin1(c.expected)) << c.name;
}
INSTANTIATE_TEST_SUITE_P(Cases, Padding,
                         ::testing::Values(PadCase{"right short", PadRight, "12", 4, "12  "},
                                           PadCase{"right long", PadRight, "abcdef", 4, "abcd"},
                                           PadCase{"right empty", PadRight, "", 3, "   "},
                                           PadCase{"left short", PadLeft, "7", 3, "  7"},
                                           PadCase{"left long", PadLeft, "abcdef", 4, "cdef"},
                                           PadCase{"zeros short", LeadingZeroes, "5", 2, "05"},
                                           PadCase{"zeros long", LeadingZeroes, "123", 2, "23"},
                                           PadCase{"zeros exact", LeadingZeroes, "088", 3, "088"}),
                         ByCaseName());

TEST(Utility, GetPathPartKeepsTheLastSeparator)
{
    EXPECT_EQ(GetPathPart(QStringLiteral("C:\\Data\\site.mdb")), QStringLiteral("C:\\Data\\"));
    EXPECT_EQ(GetPathPart(QStringLiteral("/home/tech/site.mdb")), QStringLiteral("/home/tech/"));
    EXPECT_EQ(GetPathPart(QStringLiteral("site.mdb")), QString());
}

TEST(Utility, AllowDigitsOnlyKeepsDigitsAndBackspace)
{
    for (int key : {int('0'), int('7'), int('9'), 8})
        EXPECT_EQ(Allow_digits_only(key), key);
    for (int key : {int('a'), int('-'), int(' '), int(':'), 0x263A})
        EXPECT_EQ(Allow_digits_only(key), 0);
}

TEST(Utility, SleepWaitsForTheSecondsClockToAdvance)
{
    const qint64 start = QDateTime::currentSecsSinceEpoch();
    Sleep(2);
    EXPECT_GE(QDateTime::currentSecsSinceEpoch() - start, 2);
}

class FileOpsTest : public ::testing::Test {
protected:
    TempAppFolder app;
    FileOps &files = app.context().files;
    QString touch(const QString &name)
    {
        const QString p = app.file(name);
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write("x");
        return p;
    }
};

TEST_F(FileOpsTest, RemoveFileWildcardMatchesAnyCaseAndTheBareName)
{
    for (const char *n : {"~TEMP", "~temp.ldb", "~TEMP-journal", "~tempest", "other.mdb"})
        touch(QString::fromLatin1(n));
    EXPECT_TRUE(files.IsFile(app.file(QStringLiteral("~temp.*"))));
    files.RemoveFile(app.file(QStringLiteral("~temp.*")));
    EXPECT_EQ(QDir(app.path()).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("other.mdb"), QStringLiteral("~tempest")}));
}

TEST_F(FileOpsTest, RemoveAndCopyFindFilesWithoutRegardToCase)
{
    touch(QStringLiteral("errors.bak"));
    EXPECT_TRUE(files.fcnCopyFile(app.file(QStringLiteral("errors.Bak")), app.file(QStringLiteral("errors"))));
    EXPECT_TRUE(files.fcnRemoveFile(app.file(QStringLiteral("ERRORS.BAK"))));
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("errors.bak"))));
    EXPECT_TRUE(files.fcnRemoveFile(app.file(QStringLiteral("never-there"))));
    EXPECT_FALSE(files.fcnCopyFile(app.file(QStringLiteral("never-there")), app.file(QStringLiteral("x"))));
}

TEST_F(FileOpsTest, RemovingFromAWriteProtectedFolderFails)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root ignores write protection";
    const QString p = touch(QStringLiteral("kept.mdb"));
    QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(files.fcnRemoveFile(p));
    QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(QFile::exists(p));
}

TEST(Utility, GetBackUpNameReplacesOnlyTheFileNamesExtension)
{
    const std::pair<const char *, const char *> cases[] = {
        {"C:\\Data\\site.mdb", "C:\\Data\\site.OLD"},
        {"/srv/app/errors", "/srv/app/errors.OLD"},
        {"/home/tech/.local/share/linnet/errors", "/home/tech/.local/share/linnet/errors.OLD"},
        {"/data/site.v2.mdb", "/data/site.v2.OLD"},
        {"", "~x.OLD"},
    };
    for (const auto &[file, expected] : cases)
        EXPECT_EQ(GetBackUpName(QString::fromLatin1(file), QStringLiteral("OLD")), QString::fromLatin1(expected))
            << file;
}
