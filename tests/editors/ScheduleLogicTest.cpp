#include "core/AppContext.h"
#include "editors/schedules/EventSession.h"
#include "editors/schedules/EventValidation.h"
#include "editors/schedules/ScheduleDays.h"
#include "editors/schedules/ScheduleEvent.h"
#include "editors/schedules/ScheduleEvents.h"
#include "editors/schedules/StartTime.h"
#include "platform/Database.h"

#include "TempAppFolder.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// ---- start time -------------------------------------------------------------------

struct NormaliseCase {
    const char *typed;
    const char *text;
    bool valid;
};
void PrintTo(const NormaliseCase &c, std::ostream *os)
{
    *os << '"' << c.typed << "\" -> \"" << c.text << '"' << (c.valid ? "" : " (refused)");
}
class StartTimeNormalise : public ::testing::TestWithParam<NormaliseCase> {};
TEST_P(StartTimeNormalise, CompletesTypedEntry)
{
    const auto result = StartTime::normalise(QString::fromUtf8(GetParam().typed));
    EXPECT_EQ(result.text, QString::fromUtf8(GetParam().text));
    EXPECT_EQ(result.valid, GetParam().valid);
}
INSTANTIATE_TEST_SUITE_P(
    Entries, StartTimeNormalise,
    ::testing::Values(NormaliseCase{"930", "09:30", true}, NormaliseCase{"12345", "23:45", true},
                      NormaliseCase{"9:5", "09:05", true}, NormaliseCase{"", "00:00", true},
                      NormaliseCase{":", "00:00", true}, NormaliseCase{"123:45", "23:45", true},
                      NormaliseCase{"0", "00:00", true}, NormaliseCase{"2359", "23:59", true},
                      NormaliseCase{"1:2:3", "1:2:3", false}, NormaliseCase{"24:00", "24:00", false},
                      NormaliseCase{"2400", "24:00", false}, NormaliseCase{"99", "00:99", false},
                      NormaliseCase{"12:60", "12:60", false}, NormaliseCase{"1a30", "1a30", false},
                      NormaliseCase{"ab:cd", "ab:cd", false}, NormaliseCase{" 9:30", " 9:30", false}),
    [](const auto &info) {
        // "9:5" -> "Typed9Colon5": every typed character shows in the name.
        std::string name = "Typed";
        for (const char *c = info.param.typed; *c; ++c)
            name += *c == ':' ? std::string("Colon") : *c == ' ' ? std::string("Space") : std::string(1, *c);
        return *info.param.typed ? name : name + "Nothing";
    });

TEST(StartTimeParse, AcceptsOneOrTwoDigitsInRangeOnly)
{
    const struct {
        const char *text;
        std::optional<TimeOfDay> time;
    } cases[] = {{"07:30", TimeOfDay{7, 30}}, {"7:5", TimeOfDay{7, 5}}, {"23:59", TimeOfDay{23, 59}},
                 {"00:00", TimeOfDay{0, 0}},  {"24:00", std::nullopt},  {"12:60", std::nullopt},
                 {"123:4", std::nullopt},     {"12:", std::nullopt},    {"", std::nullopt},
                 {"930", std::nullopt},       {"1:2:3", std::nullopt},  {"+1:05", std::nullopt}};
    for (const auto &c : cases)
        EXPECT_EQ(StartTime::parse(QString::fromUtf8(c.text)), c.time) << c.text;
}

TEST(StartTimeKeys, OnlyDigitsColonAndBackspace)
{
    for (QChar c : u"0123456789:\b"_s)
        EXPECT_TRUE(StartTime::isAcceptedKey(c)) << int(c.unicode());
    for (QChar c : u"aZ .-;/\t\u00e9\u0660"_s)
        EXPECT_FALSE(StartTime::isAcceptedKey(c)) << int(c.unicode());
}

TEST(StartTimeBars, MinuteCarriesAndStopsAtTheEndsOfTheDay)
{
    using StartTime::stepHour;
    using StartTime::stepMinute;
    EXPECT_EQ(stepMinute({10, 59}, 1), (TimeOfDay{11, 0}));
    EXPECT_EQ(stepMinute({11, 0}, -1), (TimeOfDay{10, 59}));
    EXPECT_EQ(stepMinute({23, 59}, 1), (TimeOfDay{23, 59}));
    EXPECT_EQ(stepMinute({0, 0}, -1), (TimeOfDay{0, 0}));
    EXPECT_EQ(stepMinute({7, 30}, 1), (TimeOfDay{7, 31}));
    EXPECT_EQ(stepHour({23, 15}, 1), (TimeOfDay{23, 15}));
    EXPECT_EQ(stepHour({0, 15}, -1), (TimeOfDay{0, 15}));
    EXPECT_EQ(stepHour({9, 15}, 1), (TimeOfDay{10, 15}));
    EXPECT_EQ((TimeOfDay{7, 5}).text(), u"07:05"_s);
}

// ---- validation -------------------------------------------------------------------

TEST(EventValidation, ListsEveryFailedRuleInOrder)
{
    const auto all = EventValidation::check(u"1:2:3"_s, true, u""_s, false);
    EXPECT_EQ(all.message(), u"Cannot save current event:\r\n"
                             "Start Time format must be 'hh:mm'.\r\n"
                             "- An event at this 'Start Time' is already scheduled.\r\n"
                             "- 'Tone Duration' must be between 1-59 seconds.\r\n"
                             "- Must select a 'Page Group'."_s);
    const auto formatAndGroup = EventValidation::check(u"24:00"_s, false, u"10"_s, false);
    EXPECT_EQ(formatAndGroup.message(),
              u"Cannot save current event:\r\nStart Time format must be 'hh:mm'.\r\n- Must select a 'Page Group'."_s);
    const auto ok = EventValidation::check(u"07:30"_s, false, u"10"_s, true);
    EXPECT_TRUE(ok.valid());
    EXPECT_TRUE(ok.message().isEmpty());
}

TEST(EventValidation, DurationIsAWholeNumberFrom1To59)
{
    for (const char *good : {"1", "59", "05", "30"})
        EXPECT_TRUE(durationTextValid(QString::fromUtf8(good))) << good;
    for (const char *bad : {"0", "00", "60", "75", "", " 5", "5 ", "+5", "-1", "1e1", "059"})
        EXPECT_FALSE(durationTextValid(QString::fromUtf8(bad))) << bad;
}

// ---- list lines and the remembered event ------------------------------------------------

TEST(EventLines, FormatAndReadBack)
{
    ScheduleEvent e;
    e.StartTime = u"07:30"_s;
    e.Tone = 2;
    e.Duration = 10;
    e.PageGroup[0] = e.PageGroup[2] = e.PageGroup[15] = true;
    EXPECT_EQ(e.line(), u"07:30\tRelay 2\t10 sec\t1,3,16"_s);

    e.PageGroup = {};
    e.Duration = 5;
    const QString line = e.line();
    EXPECT_EQ(line, u"07:30\tRelay 2\t5 sec\t"_s); // no page group: ends with the TAB
    EXPECT_EQ(EventLine::startTime(line), u"07:30"_s);
    EXPECT_EQ(EventLine::tone(line), 2);
    EXPECT_EQ(EventLine::duration(line), 5);
    EXPECT_EQ(EventLine::tone(u""_s), 0);
    EXPECT_EQ(EventLine::duration(u"garbage"_s), 0);
}

TEST(RememberedEvent, NewEventNeverTakesRelayTypeOrDurationZero)
{
    RememberedEvent never; // as at start-up: only a start time was ever noted
    never.StartTime = u"08:00"_s;
    const ScheduleEvent fromNever = ScheduleEvent::fromRemembered(never);
    EXPECT_EQ(fromNever.StartTime, u"08:00"_s);
    EXPECT_EQ(fromNever.Tone, 1);
    EXPECT_EQ(fromNever.Duration, 1);

    RememberedEvent full{u"09:15"_s, 3, 42, {}};
    full.PageGroup[4] = true;
    const ScheduleEvent copy = ScheduleEvent::fromRemembered(full);
    EXPECT_EQ(copy.remembered().Tone, 3);
    EXPECT_EQ(copy.Duration, 42);
    EXPECT_TRUE(copy.PageGroup[4]);
    EXPECT_EQ(ScheduleEvent::defaultEvent().line(), u"00:00\tRelay 1\t1 sec\t"_s);
}

// ---- storage in the working database ------------------------------------------------------

class ScheduleStorage : public ::testing::Test {
protected:
    void SetUp() override
    {
        const AppPaths &paths = folder.context().paths;
        QFile::remove(paths.TempDbPath());
        ASSERT_TRUE(QFile::copy(paths.DefaultDbPath(), paths.TempDbPath()));
        QFile::setPermissions(paths.TempDbPath(), QFile::permissions(paths.TempDbPath()) | QFile::WriteOwner);
        db = std::make_unique<Database>(paths.TempDbPath());
        ASSERT_TRUE(db->isOpen());
    }

    static ScheduleEvent event(const QString &time, int tone, int duration, std::initializer_list<int> groups)
    {
        ScheduleEvent e{time, tone, duration, {}};
        for (int g : groups)
            e.PageGroup[g - 1] = true;
        return e;
    }

    TempAppFolder folder;
    std::unique_ptr<Database> db;
};

TEST_F(ScheduleStorage, RowsStayInStartTimeOrderAndPageGroupsAreStoredByPosition)
{
    ScheduleEvents events(*db, 2);
    ASSERT_TRUE(events.ok());
    EXPECT_EQ(events.count(), 0);
    ASSERT_TRUE(events.insert(event(u"12:00"_s, 1, 5, {16})));
    ASSERT_TRUE(events.insert(event(u"07:30"_s, 2, 10, {1, 3, 16})));
    ASSERT_TRUE(ScheduleEvents(*db, 3).insert(event(u"07:30"_s, 4, 59, {2})));
    EXPECT_EQ(events.lines(), (QStringList{u"07:30\tRelay 2\t10 sec\t1,3,16"_s, u"12:00\tRelay 1\t5 sec\t16"_s}));

    // Column 20 is page group 16, whatever its name's letter case.
    const auto row = db->rows(u"SELECT * FROM Event WHERE Schedule = 2 AND StartTime = '12:00'"_s);
    ASSERT_TRUE(row && row->size() == 1);
    EXPECT_EQ(row->first().size(), 20);
    EXPECT_NE(row->first()[19].toInt(), 0);
    EXPECT_EQ(row->first()[4].toInt(), 0);

    ASSERT_TRUE(events.update(1, event(u"06:00"_s, 3, 7, {4})));
    ASSERT_TRUE(events.reload());
    EXPECT_EQ(events.event(0), event(u"06:00"_s, 3, 7, {4}));
    EXPECT_EQ(events.find(u"07:30"_s), 1);
    EXPECT_EQ(events.find(u"12:00"_s), -1);

    ASSERT_TRUE(events.remove(0));
    EXPECT_EQ(events.count(), 1);
    EXPECT_EQ(ScheduleEvents::countAll(*db), 2);
    EXPECT_EQ(ScheduleEvents::countPerSchedule(*db), (std::array<int, 6>{0, 1, 1, 0, 0, 0}));
}

TEST_F(ScheduleStorage, DuplicateLookUpIsPerScheduleAndReadsTheDatabase)
{
    ScheduleEvents two(*db, 2);
    ASSERT_TRUE(ScheduleEvents(*db, 3).insert(event(u"07:30"_s, 1, 1, {1})));
    EXPECT_EQ(two.startTimeTaken(u"07:30"_s), false);
    // Stored through another instance: the look-up still sees it.
    ASSERT_TRUE(ScheduleEvents(*db, 2).insert(event(u"07:30"_s, 1, 1, {1})));
    EXPECT_EQ(two.startTimeTaken(u"07:30"_s), true);
    // Typed text is bound, never spliced into the statement.
    EXPECT_EQ(two.startTimeTaken(u"' OR '1'='1"_s), false);

    ASSERT_TRUE(db->exec(u"DROP TABLE Event"_s));
    EXPECT_EQ(two.startTimeTaken(u"07:30"_s), std::nullopt);
    EXPECT_EQ(ScheduleEvents::countAll(*db), std::nullopt);
}

TEST_F(ScheduleStorage, DaysTakenByOtherSchedulesAreDisabled)
{
    ScheduleDays days(*db);
    ScheduleDays::Days monday{};
    monday[1] = true;
    ASSERT_TRUE(days.store(2, monday));
    ScheduleDays::Days mondayAndFriday = monday;
    mondayAndFriday[5] = true;
    ASSERT_TRUE(days.store(4, mondayAndFriday)); // stored data may hold a day twice

    const auto three = days.boxesFor(3);
    ASSERT_TRUE(three);
    EXPECT_TRUE(three->rowFound);
    EXPECT_EQ(three->ticked, ScheduleDays::Days{});
    EXPECT_EQ(three->enabled, (ScheduleDays::Days{true, false, true, true, true, false, true}));

    const auto two = days.boxesFor(2);
    EXPECT_EQ(two->ticked, monday);
    EXPECT_FALSE(two->enabled[1]); // ticked here and held by schedule 4 too
    EXPECT_FALSE(two->enabled[5]);

    const auto stored = db->rows(u"SELECT * FROM SchedDays WHERE Schedule = 4"_s);
    ASSERT_TRUE(stored && stored->size() == 1);
    EXPECT_EQ(stored->first().mid(1, 7), (QVariantList{0, 1, 0, 0, 0, 1, 0}));

    ASSERT_TRUE(db->exec(u"DELETE FROM SchedDays WHERE Schedule = 6"_s));
    EXPECT_FALSE(days.store(6, monday));
    EXPECT_FALSE(days.boxesFor(6)->rowFound);
}

// The event editor's session without its window: what it stores, the counts
// it keeps, and the row it tells the schedule view to show.
TEST_F(ScheduleStorage, EventSessionKeepsTheCountsAndNamesTheRowShown)
{
    AppState &state = folder.context().state;
    ScheduleEvents events(*db, 2);
    ASSERT_TRUE(events.insert(event(u"07:30"_s, 2, 10, {1})));
    ASSERT_TRUE(events.insert(event(u"08:00"_s, 1, 5, {2})));
    state.TotalEvents = 2;
    state.ScheduleEventCount[1] = 2;
    EventSession session(folder.context(), events, 0);
    QList<int> rowsChanged;
    QObject::connect(&session, &EventSession::rowsChanged, [&](int row) { rowsChanged << row; });

    // A new event is a copy of the shown one and must move off its time.
    state.LastEvent = events.event(0).remembered();
    const std::optional<ScheduleEvent> copy = session.beginAdd(u"07:30"_s);
    ASSERT_TRUE(copy);
    EXPECT_EQ(*copy, events.event(0));
    EXPECT_FALSE(session.validate(u"07:30"_s, u"10"_s, true).duplicateOk);
    ScheduleEvent earlier = *copy;
    earlier.StartTime = u"07:15"_s;
    ASSERT_TRUE(session.save(earlier));
    EXPECT_EQ(session.mode(), EventSession::Mode::View);
    EXPECT_EQ(session.currentRow(), 0); // 07:15 sorts first
    EXPECT_EQ(rowsChanged, QList<int>{0});
    EXPECT_EQ(state.TotalEvents, 3);
    EXPECT_EQ(state.ScheduleEventCount[1], 3);
    EXPECT_EQ(state.LastEvent.StartTime, u"07:15"_s);
    EXPECT_TRUE(state.UnsavedChanges);

    // Editing without changing the time does not meet the duplicate rule.
    ASSERT_TRUE(session.beginEdit());
    EXPECT_TRUE(session.validate(u"07:15"_s, u"10"_s, true).valid());
    session.cancel();

    // Deleting the last row shows the new last; deleting the only one, none.
    ASSERT_TRUE(session.move(EventSession::kLast));
    EXPECT_EQ(session.currentRow(), 2);
    ASSERT_TRUE(session.remove());
    EXPECT_EQ(session.currentRow(), 1);
    EXPECT_EQ(session.shown().StartTime, u"07:30"_s);
    ASSERT_TRUE(session.remove());
    ASSERT_TRUE(session.remove());
    EXPECT_EQ(rowsChanged, (QList<int>{0, 1, 0, -1}));
    EXPECT_EQ(state.TotalEvents, 0);
    EXPECT_EQ(state.ScheduleEventCount[1], 0);
    EXPECT_FALSE(session.remove());
    EXPECT_EQ(ScheduleEvents::countAll(*db), 0);
}
