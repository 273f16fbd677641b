#include "LifecycleFixture.h"

#include "config/BoardConfiguration.h"

#include <QFile>

namespace {
const QString kRemoval = QStringLiteral("This configuration change requires removing board(s) from the system.\r\n\r\n"
                                        "User programming for these boards will be cleared.  Continue update "
                                        "configuration?");
const QStringList kFlagTables{QStringLiteral("PageGroup"), QStringLiteral("Event"), QStringLiteral("Bgm"),
                              QStringLiteral("EmergencyPG"), QStringLiteral("TonesPG")};

// A working copy with every board programmed: all stations named and
// numbered, every class-of-service group at service 3, every page group set
// in every table, and three events: one on page group 1 and 12, one on page
// group 5 only, one on page group 9 only.
class BoardChange : public LifecycleTest {
protected:
    void SetUp() override
    {
        work = paths().TempDbPath();
        QFile::remove(work);
        ASSERT_TRUE(QFile::copy(paths().DefaultDbPath(), work));
        QFile::setPermissions(work, QFile::permissions(work) | QFile::WriteOwner);
        QStringList all;
        for (int g = 1; g <= 16; ++g)
            all << QStringLiteral("PageGroup%1 = 1").arg(g);
        QStringList statements{
            QStringLiteral("UPDATE Clid SET clid_string = 'Room ' || clid_station, archnum = clid_station + 100"),
            QStringLiteral("UPDATE ClassService SET Service = 3"),
            QStringLiteral("UPDATE Config SET System_Config = 3")};
        for (const QString &table : kFlagTables)
            if (table != u"Event")
                statements << QStringLiteral("UPDATE %1 SET %2").arg(table, all.join(u','));
        statements << QStringLiteral("INSERT INTO Event (Schedule, StartTime, PageGroup1, PageGroup12) "
                                     "VALUES (1, '08:00', 1, 1)")
                   << QStringLiteral("INSERT INTO Event (Schedule, StartTime, PageGroup5) VALUES (1, '09:00', 1)")
                   << QStringLiteral("INSERT INTO Event (Schedule, StartTime, PageGroup9) VALUES (2, '10:00', 1)");
        exec(work, statements);
        state().ExpansionBoards = 3;
        state().TotalEvents = 3;
    }

    // The page groups set in a table, all rows together, as "table:1,2,..".
    QString setGroups(const QString &table)
    {
        QStringList groups;
        for (int g = 1; g <= 16; ++g)
            if (value(work, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE PageGroup%2 <> 0").arg(table).arg(g))
                    .toInt() > 0)
                groups << QString::number(g);
        return table + u':' + groups.join(u',');
    }
    static QString range(int first, int last)
    {
        QStringList out;
        for (int g = first; g <= last; ++g)
            out << QString::number(g);
        return out.join(u',');
    }

    QString work;
};
} // namespace

TEST_F(BoardChange, RemovingBoardsClearsExactlyTheirProgrammingAfterTheQuestion)
{
    // The events kept: 08:00 (page groups 1 and 12) always, with 12 cleared;
    // 09:00 (page group 5) with an expansion board left; 10:00 (page group 9
    // only) never, as no case keeps two.
    const struct {
        int from, to;
        QStringList events;
        QString eventGroups;
    } cases[] = {{3, 1, {"08:00", "09:00"}, "1,5"},
                 {3, 0, {"08:00"}, "1"},
                 {2, 1, {"08:00", "09:00"}, "1,5"},
                 {1, 0, {"08:00"}, "1"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to);
        SetUp();
        exec(work, {QStringLiteral("UPDATE Config SET System_Config = %1").arg(c.from)});
        state().ExpansionBoards = c.from;
        state().UnsavedChanges = false;
        window.saveOn = false;
        prompter().clear();
        prompter().answer(Prompter::AnswerYes);

        BoardConfiguration change(app.context());
        EXPECT_TRUE(change.apply(c.to, false));

        ASSERT_EQ(prompter().texts(), QStringList{kRemoval});
        EXPECT_EQ(prompter().asked().last().title, QStringLiteral("System Configuration"));
        EXPECT_EQ(prompter().asked().last().buttons, Prompter::YesNo);
        EXPECT_EQ(prompter().asked().last().icon, Prompter::Exclamation);
        const int lastStation = (c.to + 1) * 24;
        const int lastGroup = (c.to + 1) * 4;
        EXPECT_EQ(value(work, QStringLiteral("SELECT COUNT(*) FROM Clid WHERE clid_string = 'Room ' || clid_station "
                                             "AND archnum = clid_station + 100 AND clid_station <= %1")
                                  .arg(lastStation))
                      .toInt(),
                  lastStation);
        EXPECT_EQ(value(work, QStringLiteral("SELECT COUNT(*) FROM Clid WHERE clid_string = '' AND archnum = '' "
                                             "AND clid_station > %1")
                                  .arg(lastStation))
                      .toInt(),
                  96 - lastStation);
        EXPECT_EQ(value(work, QStringLiteral("SELECT group_concat(Service, '') FROM "
                                             "(SELECT Service FROM ClassService ORDER BY \"Group\")"))
                      .toString(),
                  QString(lastGroup, u'3') + QString(16 - lastGroup, u'1'));
        for (const QString &table : kFlagTables)
            EXPECT_EQ(setGroups(table), table + u':' + (table == u"Event" ? c.eventGroups : range(1, lastGroup)));
        EXPECT_EQ(value(work, QStringLiteral("SELECT group_concat(StartTime, ' ') FROM "
                                             "(SELECT StartTime FROM Event ORDER BY StartTime)"))
                      .toString(),
                  c.events.join(u' '));
        EXPECT_EQ(value(work, QStringLiteral("SELECT System_Config FROM Config")).toInt(), c.to);
        EXPECT_EQ(state().ExpansionBoards, c.to);
        EXPECT_EQ(state().TotalEvents, c.events.size());
        EXPECT_TRUE(state().UnsavedChanges);
        EXPECT_TRUE(window.saveOn);
    }
}

TEST_F(BoardChange, AddingBoardsSetsTheirTonePageGroupsWithoutAQuestion)
{
    const struct {
        int from, to;
    } cases[] = {{1, 3}, {0, 1}, {0, 3}, {2, 3}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to);
        SetUp();
        exec(work, {QStringLiteral("UPDATE Config SET System_Config = %1").arg(c.from),
                    QStringLiteral("UPDATE EmergencyPG SET PageGroup5 = 0, PageGroup9 = 0, PageGroup13 = 0, "
                                   "PageGroup16 = 0"),
                    QStringLiteral("UPDATE TonesPG SET PageGroup6 = 0, PageGroup10 = 0, PageGroup14 = 0")});
        state().ExpansionBoards = c.from;
        prompter().clear();

        BoardConfiguration change(app.context());
        EXPECT_TRUE(change.apply(c.to, false));

        EXPECT_TRUE(prompter().asked().isEmpty());
        // The added boards' groups are set; those of the boards already there stay as they were.
        const int firstAdded = (c.from + 1) * 4 + 1;
        const int lastAdded = (c.to + 1) * 4;
        QStringList emergency, tones;
        for (int g = 1; g <= 16; ++g) {
            const bool added = g >= firstAdded && g <= lastAdded;
            if (added || !QList<int>{5, 9, 13, 16}.contains(g))
                emergency << QString::number(g);
            if (added || !QList<int>{6, 10, 14}.contains(g))
                tones << QString::number(g);
        }
        EXPECT_EQ(setGroups(QStringLiteral("EmergencyPG")), QStringLiteral("EmergencyPG:") + emergency.join(u','));
        EXPECT_EQ(setGroups(QStringLiteral("TonesPG")), QStringLiteral("TonesPG:") + tones.join(u','));
        EXPECT_EQ(value(work, QStringLiteral("SELECT COUNT(*) FROM Clid WHERE clid_string = ''")).toInt(), 0);
        EXPECT_EQ(value(work, QStringLiteral("SELECT COUNT(*) FROM Event")).toInt(), 3);
        EXPECT_EQ(value(work, QStringLiteral("SELECT System_Config FROM Config")).toInt(), c.to);
        EXPECT_TRUE(state().UnsavedChanges);
    }
}

TEST_F(BoardChange, DecliningTheRemovalAndAnUnchangedChoiceWriteNothing)
{
    state().ClockBoard = false;
    const QByteArray before = bytes(work);

    BoardConfiguration declined(app.context());
    EXPECT_FALSE(declined.apply(1, true)); // no answer scripted: No
    EXPECT_EQ(prompter().texts(), QStringList{kRemoval});
    EXPECT_EQ(state().ExpansionBoards, 3);
    EXPECT_FALSE(state().ClockBoard);

    prompter().clear();
    BoardConfiguration unchanged(app.context());
    EXPECT_TRUE(unchanged.apply(3, false));
    EXPECT_TRUE(prompter().asked().isEmpty());

    EXPECT_EQ(bytes(work), before);
    EXPECT_FALSE(state().UnsavedChanges);
    EXPECT_FALSE(window.saveOn);
    EXPECT_EQ(state().TotalEvents, 3);
}

TEST_F(BoardChange, TheClockBoardAloneIsWrittenEnablesClocksAndMarksTheConfigurationChanged)
{
    BoardConfiguration add(app.context());
    EXPECT_TRUE(add.apply(3, true));
    EXPECT_EQ(value(work, QStringLiteral("SELECT ClockEnabled FROM ClockDef")).toInt(), 1);
    EXPECT_TRUE(window.clocksEnabled());
    EXPECT_TRUE(state().ClockBoard);
    EXPECT_TRUE(state().UnsavedChanges);
    EXPECT_TRUE(window.saveOn);
    EXPECT_EQ(value(work, QStringLiteral("SELECT System_Config FROM Config")).toInt(), 3);
    EXPECT_TRUE(prompter().asked().isEmpty());

    BoardConfiguration remove(app.context());
    EXPECT_TRUE(remove.apply(3, false));
    EXPECT_EQ(value(work, QStringLiteral("SELECT ClockEnabled FROM ClockDef")).toInt(), 0);
    EXPECT_FALSE(window.clocksEnabled());
}
