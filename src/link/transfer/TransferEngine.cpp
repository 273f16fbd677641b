#include "link/transfer/TransferEngine.h"

#include "link/transfer/SendOrder.h"

#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/Capacities.h"
#include "core/ErrorLog.h"
#include "core/ProgressSink.h"
#include "link/ModComm.h"
#include "link/ModCommTransferLink.h"
#include "link/records/ReceiveTables.h"
#include "link/records/RecordReaders.h"
#include "link/records/RecordSenders.h"
#include "platform/Database.h"
#include "platform/Windows1252.h"
#include "platform/serial/SerialPort.h"

namespace {
const QString kModule = QStringLiteral("ModComm");
const QString kSendingData = QStringLiteral("Sending Data:");
const QString kReceivingData = QStringLiteral("Receiving data...");

// A step of the send: the progress shown before it (-1: the display is left as
// it was) and its sender.
void show(ProgressSink *progress, const QString &label, const QString &text, int percent)
{
    if (progress)
        progress->WhatToDisplay(label, text, percent);
}
} // namespace

TransferEngine::TransferEngine(ModComm &comm, AppState &state, ErrorLog &log, const AppPaths &paths)
    : m_comm(comm), m_state(state), m_log(log), m_paths(paths)
{
}

std::optional<QString> TransferEngine::prepare(bool modemDialling)
{
    m_comm.files().closeCommLog();
    m_comm.files().createCommLog();
    m_comm.GetRevs(modemDialling);
    return m_comm.controllerRevision();
}

TransferEngine::Outcome TransferEngine::Send_Data(ProgressSink *progress)
{
    Outcome outcome;
    if (!m_comm.Init_Comm(SerialPort::HandshakeNone)) {
        outcome.openFailure = m_comm.openFailure();
        return outcome;
    }
    outcome.portOpened = true;

    m_flags.clear();
    Database db(m_paths.TempDbPath());
    m_comm.files().closeData();
    m_comm.files().createTransmit();
    m_comm.link().ExceptionsOccurred = false;

    ModCommTransferLink link(m_comm);
    std::optional<ProgressSinkTransferProgress> records;
    if (progress)
        records.emplace(*progress);
    if (!db.isOpen()) {
        // Nothing can be sent without the programming: the send fails.
        m_log.LogError(ErrNo::CannotOpenDatabase, db.lastError(), kModule, kModule, QStringLiteral("Send_Data"));
        m_flags.AbortSession = true;
    } else {
        m_comm.link().MsgBuffer = "S";
        if (!m_comm.Send_Msg(m_comm.link().MsgBuffer))
            m_flags.AbortSession = true;
    }
    if (!m_flags.AbortSession) {
        RecordSenders senders(db, m_state, link, m_log, m_flags, records ? &*records : nullptr);
        for (const SendStep &step : kSendOrder) {
            if (step.percent >= 0)
                show(progress, kSendingData, QString::fromLatin1(step.item), step.percent);
            (senders.*step.send)();
            if (step.send == &RecordSenders::SendAllDone) {
                // Once the end message has gone out the transfer has completed,
                // whether or not the controller acknowledged it.
                m_flags.AllDone = true;
                show(progress, QStringLiteral("Finished"), QString(), 100);
            }
            if (m_flags.AllDone || m_flags.AbortSession)
                break;
        }
    }
    m_comm.files().closeData();
    m_comm.files().closeCommLog();
    outcome.AllDone = m_flags.AllDone;
    outcome.ExceptionsOccurred = m_comm.link().ExceptionsOccurred;
    outcome.refused = m_flags.Refused;
    outcome.lostDevice = m_comm.link().LostDevice;
    outcome.delivered = m_flags.delivered() && outcome.lostDevice.isEmpty();
    return outcome;
}

TransferEngine::Outcome TransferEngine::Receive_Data(const QString &revision, ProgressSink *progress)
{
    Outcome outcome;
    ClidCount = 0;
    if (!m_comm.Init_Comm(SerialPort::HandshakeNone)) {
        outcome.openFailure = m_comm.openFailure();
        return outcome;
    }
    outcome.portOpened = true;

    ReceiveTables tables(m_log);
    tables.Open_Tables(m_paths.TempDbPath());
    m_comm.files().closeData();
    m_comm.files().createReceive();
    m_comm.link().ExceptionsOccurred = false;
    m_flags.clear();
    const bool checkRev = revision > Capacities::kSupportedControllerRev;

    // The readers keep what the configuration message and the clock message
    // say here, on this thread; the page-group messages after the
    // configuration use its board count at once. A receive starts with none.
    AppState received;
    received.ExpansionBoards = 0;
    ModCommTransferLink link(m_comm);
    RecordReaders readers(tables, received, link, m_log);
    m_comm.link().MsgBuffer = "R";
    if (!m_comm.Send_Msg(m_comm.link().MsgBuffer)) {
        m_flags.AbortSession = true;
    } else {
        show(progress, QStringLiteral("Preparing to receive data..."), QString(), 10);
        while (!m_flags.AllDone && !m_flags.AbortSession) {
            if (m_comm.Receive_Msg(checkRev))
                Process_Msg(readers, m_comm.link().MsgBuffer, progress);
            else
                m_flags.AbortSession = true;
        }
    }
    m_comm.files().closeData();
    m_comm.files().closeCommLog();
    tables.Close_Tables();
    outcome.AllDone = m_flags.AllDone;
    outcome.ExceptionsOccurred = m_comm.link().ExceptionsOccurred;
    outcome.lostDevice = m_comm.link().LostDevice;
    outcome.delivered = outcome.AllDone;
    outcome.ExpansionBoards = received.ExpansionBoards;
    if (readers.clockReceived())
        outcome.ClockBoard = received.ClockBoard;
    return outcome;
}

void TransferEngine::Process_Msg(RecordReaders &readers, const QByteArray &message, ProgressSink *progress)
{
    if (message.isEmpty())
        return;
    const QString body = Windows1252::decode(message);
    const auto shown = [&](const char *item, int percent) {
        show(progress, kReceivingData, QString::fromLatin1(item), percent);
    };
    switch (message.front()) {
    case 'M':
        readers.ReadBGM(body);
        shown("Background Music", 95);
        break;
    case 'K': readers.ReadCT(body); break;
    case 'N': readers.ReadEmer(body); break;
    case 'C':
        readers.ReadClid(body);
        ++ClidCount;
        shown("CLID", ClidCount / 3 + 50);
        break;
    case 'X': readers.ReadConfig(body); break;
    case 'D':
        readers.ReadDip(body);
        shown("Dipswiches", 90);
        break;
    case 'E':
        readers.ReadEvent(body);
        shown("Events", 30);
        break;
    case 'G':
        readers.ReadGroup(body);
        shown("Custom Page Groups", 40);
        break;
    case 'W': readers.ReadSched(body); break;
    case 'P':
        readers.ReadClassService(body);
        shown("Class Of Service", 85);
        break;
    case 'I': readers.REadClock(body); break;
    case 'A':
        m_flags.AllDone = true;
        shown("All Done", 100);
        break;
    default: break; // acknowledged already and ignored
    }
}
