#include "SimProgramming.h"

#include "SimCore.h"
#include "config/AtomicDatabaseWriter.h"
#include "link/records/ReceiveTables.h"
#include "link/records/RecordReaders.h"
#include "link/records/RecordSenders.h"
#include "platform/Database.h"
#include "platform/Windows1252.h"

#include <QFile>

const QByteArray SimProgramming::kNewerTypeMessage = QByteArrayLiteral("Y12");

SimProgramming::SimProgramming(const QString &templatePath)
    : m_template(templatePath), m_log(QString()) // nothing to log to: problems are kept in problems()
{
    m_dbPath = m_dir.filePath(QStringLiteral("programming"));
    m_valid = m_dir.isValid() && reset(m_template, nullptr);
}

SimProgramming::~SimProgramming()
{
    closeTables();
}

bool SimProgramming::reset(const QString &source, QString *error)
{
    closeTables();
    {
        Database probe(source, Database::Mode::ReadOnly);
        if (!probe.isOpen() || !probe.rowCount(QStringLiteral("Clid"))) {
            if (error)
                *error = QStringLiteral("%1 is not a configuration file").arg(source);
            openTables();
            return false;
        }
    }
    QFile::remove(m_dbPath);
    if (!QFile::copy(source, m_dbPath)) {
        if (error)
            *error = QStringLiteral("cannot copy %1").arg(source);
        return false;
    }
    QFile::setPermissions(m_dbPath, QFile::permissions(m_dbPath) | QFile::WriteOwner);
    Database db(m_dbPath);
    m_state.ExpansionBoards = db.scalar(QStringLiteral("SELECT System_Config FROM Config")).value_or(0).toInt();
    m_state.ClockBoard = db.scalar(QStringLiteral("SELECT ClockEnabled FROM ClockDef")).value_or(0).toInt() != 0;
    openTables();
    return true;
}

void SimProgramming::openTables()
{
    m_tables = std::make_unique<ReceiveTables>(m_log);
    m_tables->Open_Tables(m_dbPath);
    m_readers = std::make_unique<RecordReaders>(*m_tables, m_state, *this, m_log);
}

void SimProgramming::closeTables()
{
    m_readers.reset();
    m_tables.reset();
}

bool SimProgramming::load(const QString &file, QString *error)
{
    return reset(file, error);
}

bool SimProgramming::save(const QString &file, QString *error)
{
    closeTables();
    // Renamed over the file once complete and on disk: the simulator killed at
    // any moment leaves the previous programming or the new one, never none.
    AtomicDatabaseWriter writer;
    const bool ok = writer.write(m_dbPath, file) == AtomicDatabaseWriter::Outcome::Written;
    if (!ok && error)
        *error = QStringLiteral("cannot write %1: %2").arg(file, writer.lastError());
    openTables();
    return ok;
}

bool SimProgramming::Send_Msg(const QString &body)
{
    m_collected << body;
    return true;
}

QList<QByteArray> SimProgramming::records()
{
    m_collected.clear();
    {
        Database db(m_dbPath);
        TransferFlags flags;
        RecordSenders senders(db, m_state, *this, m_log, flags);
        // The controller's own order: the configuration first, so the page
        // groups that follow are read with the right board count.
        senders.SendConfig();
        senders.SendDip();
        senders.SendBGM();
        senders.SendClassService();
        senders.SendClock();
        senders.SendCT();
        senders.SendEmer();
        senders.SendGroups();
        senders.SendSched();
        senders.SendEvents();
        senders.SendClid();
        senders.SendAllDone();
    }
    QList<QByteArray> bodies;
    for (const QString &body : std::as_const(m_collected))
        bodies << Windows1252::encode(body);
    return bodies;
}

void SimProgramming::store(const QByteArray &message)
{
    const QString body = Windows1252::decode(message);
    switch (message.front()) {
    case 'W': m_readers->ReadSched(body); break;
    case 'E': m_readers->ReadEvent(body); break;
    case 'I': m_readers->REadClock(body); break;
    case 'K': m_readers->ReadCT(body); break;
    case 'N': m_readers->ReadEmer(body); break;
    case 'C': m_readers->ReadClid(body); break;
    case 'G': m_readers->ReadGroup(body); break;
    case 'P': m_readers->ReadClassService(body); break;
    case 'D': m_readers->ReadDip(body); break;
    case 'M': m_readers->ReadBGM(body); break;
    case 'X': m_readers->ReadConfig(body); break;
    default: break;
    }
}

void SimProgramming::attach(SimCore &core)
{
    // A send starts from the default programming, as the tool's receive does.
    core.registerHandler('S', [this](SimCore &, const QByteArray &) {
        m_problems.clear();
        reset(m_template, nullptr);
    });
    for (const char letter : QByteArray("WEIKNCGPDMX"))
        core.registerHandler(letter, [this](SimCore &, const QByteArray &body) { store(body); });
    core.registerHandler('A', [this](SimCore &, const QByteArray &) {
        if (!m_saveFile.isEmpty())
            save(m_saveFile);
    });
    core.registerHandler('R', [this](SimCore &sim, const QByteArray &) {
        const QList<QByteArray> bodies = records();
        for (qsizetype i = 0; i < bodies.size(); ++i) {
            // A newer controller's message, well formed but unknown to the tool,
            // right after the configuration.
            if (m_newerType && i == 1)
                sim.queueMessage(kNewerTypeMessage);
            sim.queueMessage(bodies[i]);
        }
    });
}
