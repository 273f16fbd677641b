// linnet-cli datetime against linnet-sim on a pseudo-terminal.
#include "Programs.h"
#include "TempAppFolder.h"

#include <QDateTime>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {
CliRun datetime(const TempAppFolder &app, const SimProcess &sim, const QStringList &extra = {})
{
    return runCli(QStringList{QStringLiteral("--app-dir"), app.file(QStringLiteral("cli")), QStringLiteral("--device"),
                              sim.path(), QStringLiteral("datetime")} +
                  extra);
}
} // namespace

TEST(DateTimeCommandLine, ReadsTheControllersClockAndDaylightState)
{
    TempAppFolder app;
    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    const CliRun run = datetime(app, sim);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const QRegularExpression shown(QStringLiteral("^Date and time: \\d\\d/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d$"),
                                   QRegularExpression::MultilineOption);
    EXPECT_TRUE(shown.match(run.out).hasMatch()) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Daylight saving: on\n")));
}

TEST(DateTimeCommandLine, SetNowSetsALostClockFromThePc)
{
    TempAppFolder app;
    SimProcess sim({QStringLiteral("--fault"), QStringLiteral("invalid-date"), QStringLiteral("--fault"),
                    QStringLiteral("no-dst")});
    const CliRun run = datetime(app, sim, {QStringLiteral("--set-now")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Daylight saving: not supported\n")));
    // The clock read after the command mended it is today's date.
    const QString today = QDate::currentDate().toString(QStringLiteral("MM/dd/yy"));
    EXPECT_TRUE(run.out.contains(QStringLiteral("Date and time: ") + today)) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Set to: ") + today)) << run.out.toStdString();
    // A second read finds the clock kept.
    const CliRun again = datetime(app, sim);
    EXPECT_EQ(again.status, 0);
    EXPECT_TRUE(again.out.contains(QStringLiteral("Date and time: ") + today)) << again.out.toStdString();
}

TEST(DateTimeCommandLine, SilentControllerFails)
{
    TempAppFolder app;
    SimProcess sim({QStringLiteral("--fault"), QStringLiteral("silent")});
    const CliRun run = datetime(app, sim);
    EXPECT_NE(run.status, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Cannot perform 'Set System Date and Time'.")))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("Communications not established."))) << run.err.toStdString();
    EXPECT_FALSE(run.out.contains(QStringLiteral("Date and time:")));
}
