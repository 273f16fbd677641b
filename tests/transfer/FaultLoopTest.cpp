#include "TempAppFolder.h"
#include "platform/Database.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <iostream>

// Seeded transfers between linnet-cli and linnet-sim with random faults on the
// simulated controller. Whatever the faults, a transfer either succeeds and the
// two ends hold the same programming, or it fails with a non-zero exit and the
// user's file as it was. LINNET_FAULT_SEED repeats a run.
namespace {
constexpr int kTransfers = 50;
constexpr int kProcessTimeoutMs = 30000;

struct ProgramRun {
    int status = -1;
    QString out;
};

ProgramRun runProgram(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(TempAppFolder::binDir() + QLatin1Char('/') + program, args);
    ProgramRun run;
    if (!p.waitForFinished(kProcessTimeoutMs)) {
        p.kill();
        p.waitForFinished();
        run.out = QStringLiteral("(timed out)");
        return run;
    }
    run.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError());
    return run;
}

QByteArray fileHash(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// A random but valid programming: events, stations, page groups, options.
void randomProgramming(const QString &file, QRandomGenerator &rng, bool allBoards)
{
    Database db(file);
    ASSERT_TRUE(db.isOpen());
    const int boards = allBoards ? 3 : rng.bounded(4);
    ASSERT_TRUE(db.exec(QStringLiteral("UPDATE Config SET System_Config = %1").arg(boards)));
    const int events = rng.bounded(40);
    for (int e = 0; e < events; ++e) {
        // Distinct start times per schedule: minute e of a random hour.
        ASSERT_TRUE(db.exec(QStringLiteral("INSERT INTO Event (Schedule, StartTime, Tone, Duration, PageGroup%1) "
                                           "VALUES (%2, '%3:%4', %5, %6, 1)")
                                .arg(rng.bounded(1, 5))
                                .arg(rng.bounded(1, 7))
                                .arg(rng.bounded(24), 2, 10, QLatin1Char('0'))
                                .arg(e, 2, 10, QLatin1Char('0'))
                                .arg(rng.bounded(1, 4))
                                .arg(rng.bounded(1, 13))));
    }
    const int stations = rng.bounded(10);
    for (int s = 0; s < stations; ++s) {
        const int station = rng.bounded(1, 24 * (boards + 1) + 1);
        ASSERT_TRUE(db.exec(QStringLiteral("UPDATE Clid SET archnum = '%1', clid_string = '%2' WHERE clid_station = %3")
                                .arg(QString::number(rng.bounded(100, 10000)).leftJustified(4))
                                .arg(QStringLiteral("Room %1").arg(station).leftJustified(15))
                                .arg(station)));
    }
    ASSERT_TRUE(db.exec(QStringLiteral("UPDATE PageGroup SET PageGroup%1 = 1 WHERE DialCode = %2")
                            .arg(rng.bounded(1, 5))
                            .arg(rng.bounded(4))));
    ASSERT_TRUE(db.exec(QStringLiteral("UPDATE SchedDays SET Monday = 1 WHERE Schedule = %1").arg(rng.bounded(1, 7))));
    ASSERT_TRUE(db.exec(QStringLiteral("UPDATE Bgm SET PageGroup%1 = 1").arg(rng.bounded(1, 5))));
}

// Faults that keep a transfer short: answers that come at once, wrong or not.
QStringList randomFaults(QRandomGenerator &rng)
{
    static const QByteArray letters("HSRXEGWCDMNKIPA");
    QStringList faults;
    switch (rng.bounded(8)) {
    case 0:
    case 1: break; // a sound controller
    case 2: faults << QStringLiteral("blank-ack"); break;
    case 3: faults << QStringLiteral("bad-checksum"); break;
    case 4: faults << QStringLiteral("unknown-type"); break;
    default:
        for (int n = rng.bounded(1, 3); n > 0; --n)
            faults << QStringLiteral("nak-%1=%2")
                          .arg(QChar::fromLatin1(letters.at(rng.bounded(letters.size()))).toLower())
                          .arg(rng.bounded(1, 7));
    }
    return faults;
}

// The lines of two dumps that differ, for the failure message.
std::string dumpDifference(const QString &a, const QString &b)
{
    const QStringList left = a.split(u'\n'), right = b.split(u'\n');
    std::string text;
    for (qsizetype i = 0; i < std::max(left.size(), right.size()); ++i) {
        const QString l = left.value(i), r = right.value(i);
        if (l != r)
            text += "line " + std::to_string(i + 1) + ": " + l.toStdString() + " | " + r.toStdString() + "\n";
    }
    return text;
}

QStringList faultArgs(const QStringList &faults)
{
    QStringList args;
    for (const QString &f : faults)
        args << QStringLiteral("--fault") << f;
    return args;
}

class Simulator {
public:
    explicit Simulator(const QStringList &args)
    {
        m_process.start(TempAppFolder::binDir() + QStringLiteral("/linnet-sim"), args);
        if (m_process.waitForStarted() && m_process.waitForReadyRead(5000))
            m_pty = QString::fromLatin1(m_process.readLine()).trimmed().section(u' ', 1);
    }
    ~Simulator()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished();
    }
    QString pty() const { return m_pty; }

private:
    QProcess m_process;
    QString m_pty;
};
} // namespace

TEST(FaultLoop, EveryTransferSucceedsWithEqualProgrammingsOrFailsLeavingTheFile)
{
    const QByteArray seedText = qgetenv("LINNET_FAULT_SEED");
    const quint32 seed = seedText.isEmpty() ? QRandomGenerator::global()->generate() : seedText.toUInt();
    std::cout << "LINNET_FAULT_SEED=" << seed << std::endl;
    QRandomGenerator rng(seed);
    TempAppFolder app;
    const QString cliDir = app.file(QStringLiteral("cli"));
    const auto cli = [&](const QString &pty, const QStringList &args) {
        QStringList all{QStringLiteral("--app-dir"), cliDir, QStringLiteral("--no-pause")};
        if (!pty.isEmpty())
            all << QStringLiteral("--device") << pty;
        return runProgram(QStringLiteral("linnet-cli"), all + args);
    };
    const auto dump = [&](const QString &file) { return cli(QString(), {QStringLiteral("dump"), file}); };

    QElapsedTimer clock;
    clock.start();
    int succeeded = 0;
    for (int i = 0; i < kTransfers; ++i) {
        const bool send = i % 2 == 0;
        const QStringList faults = randomFaults(rng);
        const std::string context = "transfer " + std::to_string(i) + (send ? " send" : " receive") +
                                    " faults: " + faults.join(u' ').toStdString();
        SCOPED_TRACE(context);
        const QString site = app.copyTemplate(QStringLiteral("DEFAULT"), QStringLiteral("site%1.mdb").arg(i));
        randomProgramming(site, rng, true);
        const QString held = app.file(QStringLiteral("held%1.mdb").arg(i));
        Simulator sim(faultArgs(faults) + (send ? QStringList{QStringLiteral("--save"), held}
                                                : QStringList{QStringLiteral("--load"), site}));
        ASSERT_TRUE(sim.pty().startsWith(QStringLiteral("/dev/")));

        if (send) {
            const QByteArray before = fileHash(site);
            const ProgramRun run = cli(sim.pty(), {QStringLiteral("send"), QStringLiteral("--yes"), site});
            EXPECT_EQ(fileHash(site), before);
            if (run.status == 0) {
                ++succeeded;
                EXPECT_TRUE(run.out.contains(QStringLiteral("Send data completed successfully.")));
                const ProgramRun sent = dump(site), heldDump = dump(held);
                EXPECT_EQ(heldDump.status, 0) << heldDump.out.toStdString();
                EXPECT_EQ(heldDump.out, sent.out) << dumpDifference(heldDump.out, sent.out);
            } else {
                EXPECT_TRUE(run.out.contains(QStringLiteral("Error sending data to"))) << run.out.toStdString();
            }
        } else {
            // The target already holds a file of the user's: a failure keeps it.
            const QString out = app.copyTemplate(QStringLiteral("DEFAULT"), QStringLiteral("out%1.mdb").arg(i));
            const QByteArray before = fileHash(out);
            const ProgramRun run = cli(sim.pty(), {QStringLiteral("receive"), out});
            if (run.status == 0) {
                ++succeeded;
                const ProgramRun loaded = dump(site), received = dump(out);
                EXPECT_EQ(received.status, 0) << received.out.toStdString();
                EXPECT_EQ(received.out, loaded.out) << dumpDifference(received.out, loaded.out);
            } else {
                EXPECT_EQ(fileHash(out), before) << run.out.toStdString();
                EXPECT_TRUE(run.out.contains(QStringLiteral("Error receiving data"))) << run.out.toStdString();
            }
        }
        if (HasFailure())
            break;
    }
    std::cout << succeeded << " of " << kTransfers << " transfers succeeded in " << clock.elapsed() << " ms"
              << std::endl;
    EXPECT_GT(succeeded, 0);
}
