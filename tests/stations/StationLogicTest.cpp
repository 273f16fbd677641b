// The station logic without a window: list lines, the conflict rule, the
// stored form of the values, the characters a CLID text may hold, and the
// checks and plan of auto numbering.
#include "TempAppFolder.h"

#include "editors/stations/AutoNumbering.h"
#include "editors/stations/ClidCharacters.h"
#include "editors/stations/ClidTable.h"
#include "editors/stations/StationConflicts.h"
#include "editors/stations/StationLine.h"
#include "platform/Database.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
QList<StationEntry> stations(const QList<QPair<int, QString>> &numbers)
{
    QList<StationEntry> rows;
    for (int s = 1; s <= 96; ++s)
        rows.append({s, s, u"    "_s, QString(15, u' ')});
    for (const auto &[station, number] : numbers)
        rows[station - 1].archnum = number.leftJustified(4);
    return rows;
}

QStringList described(const ConflictList &list)
{
    QStringList result;
    for (const Conflict &c : list)
        result << QString::number(c.Station) + u':' + c.Archnum;
    return result;
}
} // namespace

TEST(StationLine, FormatsTwentyThreeCharactersAndReadsTheValuesBack)
{
    const QString line = StationLine::format(7, u"12"_s, u"Front desk"_s);
    EXPECT_EQ(line, u" 7\t12  \tFront desk     "_s);
    EXPECT_EQ(line.size(), 23);
    EXPECT_EQ(StationLine::station(line), 7);
    EXPECT_EQ(StationLine::archnum(line), u"12"_s);
    EXPECT_EQ(StationLine::clid(line), u"Front desk"_s);

    // Quotes, percent signs and letters beyond ASCII survive exactly, cut to 15.
    const QString text = u"O'Hara \"50%\" Zoë"_s;
    const QString full = StationLine::format(96, u"9999"_s, text);
    EXPECT_EQ(StationLine::station(full), 96);
    EXPECT_EQ(StationLine::clid(full), text.left(15));
    EXPECT_EQ(StationLine::trimBlanks(u"  a b\t "_s), u"a b\t"_s);
}

TEST(ConflictRule, PrefixesAndEqualNumbersConflictButNotTheStationItself)
{
    const auto rows = stations({{5, u"12"_s}});
    const struct {
        int station;
        const char *archnum;
        QStringList expected;
    } cases[] = {
        {9, "1", {u"5:12  "_s}},   // 12 begins with 1
        {9, "123", {u"5:12  "_s}}, // 12 is a leading part of 123
        {9, "12", {u"5:12  "_s}},  // equal
        {5, "12", {}},             // its own number
        {9, "", {}},               // a cleared number conflicts with none
        {9, "2", {}},
        {9, "21", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(described(Find_Conflicts(rows, c.station, QString::fromLatin1(c.archnum))), c.expected)
            << c.station << " " << c.archnum;
}

TEST(ConflictRule, ListsLongerNumbersInTableOrderThenShorterPartsShortestFirst)
{
    const auto rows = stations({{2, u"123"_s}, {3, u"12"_s}, {4, u"1"_s}, {6, u"1234"_s}, {7, u"12"_s}, {8, u"5"_s}});
    EXPECT_EQ(described(Find_Conflicts(rows, 10, u"12"_s)),
              (QStringList{u"2:123 "_s, u"3:12  "_s, u"6:1234"_s, u"7:12  "_s, u"4:1   "_s}));
    // Both stations holding the same shorter part are listed, so clearing the
    // list leaves no conflict behind.
    EXPECT_EQ(described(Find_Conflicts(rows, 10, u"123"_s)),
              (QStringList{u"2:123 "_s, u"6:1234"_s, u"4:1   "_s, u"3:12  "_s, u"7:12  "_s}));
    EXPECT_EQ(described(Find_Auto_Conflicts(rows, u"5"_s)), QStringList{u"8:5   "_s});
}

TEST(ClidCharacters, RefusesWhatTheLineCannotCarryAndNamesIt)
{
    EXPECT_FALSE(ClidCharacters::firstRefused(u"Zoë \"A&B\" 50% €"_s));
    const auto refused = ClidCharacters::firstRefused(u"Grüße Łódź"_s);
    ASSERT_TRUE(refused);
    EXPECT_EQ(*refused, u'Ł');
    EXPECT_TRUE(ClidCharacters::refusedMessage(u'Ł').startsWith(u"The character \"Ł\" (U+0141)"_s));
    EXPECT_TRUE(ClidCharacters::firstRefused(u"a\tb"_s));
}

class ClidTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = folder.copyTemplate(u"DEFAULT"_s, u"work"_s);
        QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
        db = std::make_unique<Database>(path);
        ASSERT_TRUE(db->isOpen());
    }
    QVariantList row(int station)
    {
        return db->rows(u"SELECT archnum, clid_string FROM Clid WHERE clid_station = ?"_s, {station}).value().value(0);
    }
    TempAppFolder folder;
    QString path;
    std::unique_ptr<Database> db;
};

TEST_F(ClidTableTest, StoresTrimmedValuesPaddedToTheirColumns)
{
    ClidTable table(*db);
    const struct {
        const char *archnum, *clid, *storedArch, *storedClid;
    } cases[] = {
        {"12", "Front desk", "12  ", "Front desk     "},        {" 7 ", "   Leading", "7   ", "Leading        "},
        {"1234", "Exactly fifteen", "1234", "Exactly fifteen"}, {"", "", "    ", "               "},
        {"9", "'; DROP TABLE x", "9   ", "'; DROP TABLE x"},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(table.write(3, QString::fromUtf8(c.archnum), QString::fromUtf8(c.clid)));
        EXPECT_EQ(row(3), (QVariantList{QString::fromUtf8(c.storedArch), QString::fromUtf8(c.storedClid)})) << c.clid;
    }
    ASSERT_TRUE(table.write(4, u"5"_s, u"Zoë \"50%\" €ñ"_s));
    EXPECT_EQ(row(4).value(1).toString(), u"Zoë \"50%\" €ñ   "_s);

    // A station without a row is not written, and nothing else is.
    const auto before = table.load();
    EXPECT_TRUE(table.write(97, u"1"_s, u"x"_s));
    EXPECT_EQ(table.load()->size(), 96);
    EXPECT_EQ(before->at(0).archnum, table.load()->at(0).archnum);
}

TEST_F(ClidTableTest, RestorePutsBackEveryRowAndOutsideExcludesTheRun)
{
    ClidTable table(*db);
    ASSERT_TRUE(table.write(1, u"30"_s, u"A"_s));
    ASSERT_TRUE(table.write(50, u"4"_s, u"B"_s));
    const auto saved = table.load();
    ASSERT_TRUE(table.write(1, u"1"_s, u"changed"_s));
    ASSERT_TRUE(table.clearStation(50));
    ASSERT_TRUE(table.restore(*saved));
    EXPECT_EQ(row(1), (QVariantList{u"30  "_s, u"A              "_s}));
    EXPECT_EQ(row(50), (QVariantList{u"4   "_s, u"B              "_s}));

    const auto outside = table.outside(2, 49);
    ASSERT_TRUE(outside);
    EXPECT_EQ(outside->size(), 96 - 48);
    // Ordered by arch number: the blank ones first, then "30", then "4".
    EXPECT_EQ(outside->at(outside->size() - 2).station, 1);
    EXPECT_EQ(outside->last().station, 50);
}

TEST(AutoNumberingChecks, AcceptOrRefuseTheLastNumberInTheirOrder)
{
    using namespace AutoNumbering;
    const struct {
        int station;
        const char *first, *last;
        int boards;
        std::optional<QString> refusal;
    } cases[] = {
        {3, "20", "41", 0, std::nullopt},        // last station 24
        {3, "20", "42", 0, kExceedsLastStation}, // 25 with no expansion board
        {30, "100", "118", 1, std::nullopt},     // station 48
        {30, "100", "119", 1, kExceedsLastStation},
        {1, "5", "49", 1, std::nullopt}, // 44 < 45
        {1, "5", "50", 1, kConflictsInRange},
        {1, "10", "99", 3, std::nullopt},
        {1, "10", "100", 3, kConflictsInRange},
        {1, "100", "190", 3, std::nullopt}, // three digits: no range check
        {1, "0", "0", 3, kConflictsInRange},
        {1, "0", "5", 3, kConflictsInRange},
        {5, "20", "", 0, kLastBelowFirst}, // empty counts as 0
        {5, "20", "19", 0, kLastBelowFirst},
        {5, "20", "20", 0, std::nullopt}, // a run of one station
        {96, "20", "20", 3, std::nullopt},
        {24, "9", "10", 0, kExceedsLastStation}, // station limit is checked first
        {1, "07", "9", 0, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(check(c.station, QString::fromLatin1(c.first), QString::fromLatin1(c.last), c.boards), c.refusal)
            << c.station << " " << c.first << "-" << c.last;
    EXPECT_EQ(lastStation(3, u"20"_s, u"41"_s), 24);
    EXPECT_EQ(lastStation(5, u"20"_s, u"20"_s), 5);
}

TEST(AutoNumberPlan, NumbersFollowWithoutLeadingZerosAndConflictsComeFromTheSnapshot)
{
    auto rows = stations({{1, u"07"_s}, {40, u"1"_s}, {41, u"9"_s}});
    QList<StationEntry> outside;
    for (const StationEntry &row : rows)
        if (row.station < 1 || row.station > 6)
            outside.append(row);

    const AutoNumberPlan plan = AutoNumberPlan::make(outside, 1, u"07"_s, 6);
    EXPECT_EQ(plan.numbers,
              (QList<QPair<int, QString>>{{2, u"8"_s}, {3, u"9"_s}, {4, u"10"_s}, {5, u"11"_s}, {6, u"12"_s}}));
    // 9 equals station 41's number; 10, 11 and 12 begin with station 40's 1.
    EXPECT_EQ(described(plan.conflicts), (QStringList{u"41:9   "_s, u"40:1   "_s, u"40:1   "_s, u"40:1   "_s}));

    EXPECT_TRUE(AutoNumberPlan::make(outside, 1, u"07"_s, 1).numbers.isEmpty());
}
