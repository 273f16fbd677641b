#include "TempAppFolder.h"
#include "platform/Database.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

// The programs themselves: a configuration sent by linnet-cli to linnet-sim over
// a pseudo-terminal, and received back into a new file. With every board present
// nothing is cleared after the receive, so every table comes back as it was sent.
TEST(PseudoTerminalRoundTrip, ASentConfigurationIsReceivedBackEqual)
{
    TempAppFolder app;
    const QString site = app.copyTemplate(QStringLiteral("DEFAULT"), QStringLiteral("site.mdb"));
    {
        Database db(site);
        ASSERT_TRUE(db.exec(QStringLiteral("UPDATE Config SET System_Config = 3")));
        ASSERT_TRUE(db.exec(QStringLiteral("INSERT INTO Event (Schedule, StartTime, Tone, Duration, PageGroup9) "
                                           "VALUES (4, '13:05', 3, 12, 1)")));
        ASSERT_TRUE(db.exec(QStringLiteral("UPDATE Clid SET archnum = '4711', clid_string = 'Reception      ' "
                                           "WHERE clid_station = 30")));
        ASSERT_TRUE(db.exec(QStringLiteral("UPDATE DipSwitch SET RingPattern = 2, LowStn23 = 1")));
    }
    QProcess sim;
    sim.start(TempAppFolder::binDir() + QStringLiteral("/linnet-sim"), {});
    ASSERT_TRUE(sim.waitForStarted());
    ASSERT_TRUE(sim.waitForReadyRead(5000));
    const QString pty = QString::fromLatin1(sim.readLine()).trimmed().section(u' ', 1);
    ASSERT_TRUE(pty.startsWith(QStringLiteral("/dev/")));

    const auto cli = [&](const QStringList &args) {
        QProcess p;
        p.start(
            TempAppFolder::binDir() + QStringLiteral("/linnet-cli"),
            QStringList{QStringLiteral("--app-dir"), app.file(QStringLiteral("cli")), QStringLiteral("--device"), pty} +
                args);
        EXPECT_TRUE(p.waitForFinished(60000));
        return std::make_pair(p.exitCode(), QString::fromLatin1(p.readAllStandardOutput()));
    };
    const auto [sendStatus, sendOut] = cli({QStringLiteral("send"), site});
    EXPECT_EQ(sendStatus, 0) << sendOut.toStdString();
    EXPECT_TRUE(sendOut.contains(QStringLiteral("Send data completed successfully.")));
    const QString back = app.file(QStringLiteral("back.mdb"));
    const auto [receiveStatus, receiveOut] = cli({QStringLiteral("receive"), back});
    EXPECT_EQ(receiveStatus, 0) << receiveOut.toStdString();
    EXPECT_TRUE(receiveOut.contains(QStringLiteral("Receive Data completed successfully.")));
    sim.terminate();
    sim.waitForFinished();

    Database sent(site), received(back);
    for (const char *table : {"Event", "SchedDays", "Clid", "PageGroup", "ClassService", "DipSwitch", "Bgm",
                              "EmergencyPG", "TonesPG", "Config", "ClockDef"}) {
        const QString sql = QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(QString::fromLatin1(table));
        EXPECT_EQ(received.rows(sql), sent.rows(sql)) << table;
    }
}
