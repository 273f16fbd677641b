#include "CaseNames.h"
#include "core/RecentFiles.h"
#include "core/SettingsFile.h"

#include "QtPrinters.h"
#include "TempAppFolder.h"

#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

namespace {
void writeSettings(const QString &path, const QByteArray &text)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

QByteArray readSettings(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

struct PortCase {
    const char *settings;
    int expected;
};
class ComPortSetting : public ::testing::TestWithParam<PortCase> {};
TEST_P(ComPortSetting, OutsideOneToSixteenBecomesOne)
{
    TempAppFolder app;
    AppContext &ctx = app.context();
    writeSettings(ctx.paths.IniFilePath(), GetParam().settings);
    modProject::ReadIniFile(ctx);
    EXPECT_EQ(ctx.state.settings.CommPort, GetParam().expected) << GetParam().settings;
}
INSTANTIATE_TEST_SUITE_P(
    Values, ComPortSetting,
    ::testing::Values(PortCase{"[System]\r\nCom Port=0\r\n", 1}, PortCase{"[System]\r\nCom Port=17\r\n", 1},
                      PortCase{"[System]\r\nMDI Height=4000\r\n", 1}, PortCase{"", 1},
                      PortCase{"[System]\r\nCom Port=16\r\n", 16}, PortCase{"[System]\r\nCom Port=65539\r\n", 3}),
    [](const auto &info) { return caseName(info.param.settings) + "Gives" + std::to_string(info.param.expected); });

TEST(SettingsFile, SavesSystemKeysButNeverTheDebugKey)
{
    TempAppFolder app;
    AppContext &ctx = app.context();
    const QString ini = ctx.paths.IniFilePath();
    writeSettings(ini, "[System]\r\nDebug=7\r\nCom Port=4\r\n");
    modProject::ReadIniFile(ctx);
    EXPECT_EQ(ctx.state.settings.DebugMenu, 7);
    ctx.state.settings.DebugMenu = 0;
    ctx.state.settings.MdiHeight = 7200;
    ctx.state.settings.MdiWidth = 9600;
    ctx.state.settings.FileArray[0] = QStringLiteral("/data/site.mdb");
    modProject::SaveIniFile(ctx);
    const QByteArray text = readSettings(ini);
    EXPECT_TRUE(text.contains("Debug=7")) << text.constData();
    EXPECT_TRUE(text.contains("Com Port=4\r\n")) << text.constData();
    EXPECT_TRUE(text.contains("MDI Height=7200\r\nMDI Width=9600\r\n")) << text.constData();
    EXPECT_TRUE(text.contains("[Last Files]\r\nFile 1=/data/site.mdb\r\nFile 2=\r\nFile 3=\r\nFile 4=\r\n"))
        << text.constData();

    // Without a Debug key in the file, saving adds none.
    writeSettings(ini, "");
    ctx.state.settings.DebugMenu = 1;
    modProject::SaveIniFile(ctx);
    EXPECT_FALSE(readSettings(ini).contains("Debug"));
}

TEST(SettingsFile, ALongRecentPathComesBackCutTo127Characters)
{
    TempAppFolder app;
    AppContext &ctx = app.context();
    const QString longPath = QStringLiteral("/") + QString(199, QLatin1Char('p'));
    ctx.state.settings.FileArray = {longPath, QStringLiteral("/b.mdb"), QString(), QString()};
    modProject::PutFileArray(ctx);
    ctx.state.settings.FileArray = {};
    modProject::GetFileArray(ctx);
    EXPECT_EQ(ctx.state.settings.FileArray[0], longPath.left(127));
    EXPECT_EQ(ctx.state.settings.FileArray[1], QStringLiteral("/b.mdb"));
    EXPECT_EQ(ctx.state.settings.FileArray[2], QString());
}

TEST(SettingsFile, SwitchBoardGeometryUsesTheStoredKeyNames)
{
    TempAppFolder app;
    AppContext &ctx = app.context();
    SettingsValues &s = ctx.state.settings;
    s.SwitchBoardTop = 600;
    s.SwitchBoardLeft = 700;
    s.SwitchBoardWidth = 2670;
    s.SwitchBoardHeight = 3000;
    modProject::PutSwitchBoardVal(ctx);
    EXPECT_TRUE(readSettings(ctx.paths.IniFilePath())
                    .contains("SwitchBorad Top=600\r\nSwitchBorad Left=700\r\nSwitchBorad Width=2670\r\n"
                              "SwitchBorad Heigth=3000\r\n"));
    s = SettingsValues{};
    modProject::getSwitchBoardValues(ctx);
    EXPECT_EQ(s.SwitchBoardTop, 600);
    EXPECT_EQ(s.SwitchBoardLeft, 700);
    EXPECT_EQ(s.SwitchBoardWidth, 2670);
    EXPECT_EQ(s.SwitchBoardHeight, 3000);
}

struct RecentCase {
    const char *name;
    RecentFiles::List before;
    const char *opened;
    RecentFiles::List after;
};
class RecentFileOrder : public ::testing::TestWithParam<RecentCase> {};
TEST_P(RecentFileOrder, PutsTheFileOnTop)
{
    RecentFiles::List files = GetParam().before;
    RecentFiles::UpdateFileArray(files, QString::fromLatin1(GetParam().opened));
    EXPECT_EQ(files, GetParam().after) << GetParam().name;
}
namespace {
const QString A = QStringLiteral("/s/a.mdb"), B = QStringLiteral("/s/b.mdb"), C = QStringLiteral("/s/c.mdb"),
              D = QStringLiteral("/s/d.mdb");
}
INSTANTIATE_TEST_SUITE_P(
    Cases, RecentFileOrder,
    ::testing::Values(RecentCase{"third moves up", {A, B, C, D}, "/s/c.mdb", {C, A, B, D}},
                      RecentCase{"fifth drops oldest", {A, B, C, D}, "/s/e.mdb", {QStringLiteral("/s/e.mdb"), A, B, C}},
                      RecentCase{"case differs", {A, B, {}, {}}, "/s/A.mdb", {QStringLiteral("/s/A.mdb"), A, B, {}}},
                      RecentCase{"first stays", {A, B, C, {}}, "/s/a.mdb", {A, B, C, {}}},
                      RecentCase{"into empty list", {}, "/s/a.mdb", {A, {}, {}, {}}}),
    ByCaseName());

// The recent-file items pass an entry of the list itself; moving the entries
// must not change the name being put at the top.
TEST(RecentFiles, AnEntryOfTheListItselfMovesToTheTop)
{
    for (int i = 0; i < 4; ++i) {
        RecentFiles::List files{A, B, C, D};
        const QString opened = files[std::size_t(i)];
        RecentFiles::UpdateFileArray(files, files[std::size_t(i)]);
        EXPECT_EQ(files[0], opened) << i;
        EXPECT_EQ(QSet<QString>(files.begin(), files.end()), (QSet<QString>{A, B, C, D})) << i;
    }
}

TEST(RecentFiles, ShowsOnlyTheFilledEntries)
{
    EXPECT_TRUE(RecentFiles::displayItems({}).isEmpty());
    const QList<RecentFiles::Item> items = RecentFiles::displayItems({A, QString(), C, QString()});
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].index, 1);
    EXPECT_EQ(items[0].caption, QStringLiteral("&1 /s/a.mdb"));
    EXPECT_EQ(items[1].index, 3);
    EXPECT_EQ(items[1].caption, QStringLiteral("&3 /s/c.mdb"));
}
