#include "link/records/RecordSenders.h"

#include "core/AppState.h"
#include "core/ErrorLog.h"
#include "link/records/RecordMessages.h"
#include "link/records/TransferLink.h"
#include "platform/Database.h"
#include "platform/RecordSet.h"

#include <QHash>

using namespace RecordMessages;

namespace {
const QString kModule = QStringLiteral("ModComm");
const QString kSendingData = QStringLiteral("Sending Data:");
constexpr int kClidProgressStart = 30;
constexpr int kClidProgressMaxSteps = 34;
constexpr int kStationsPerStep = 3;
// A malformed body is shown in the communications log cut to this length.
constexpr int kShownBody = 40;

// The sender that builds bodies of a type, for the log.
QString senderOf(const QString &body)
{
    static const QHash<QChar, QString> senders{
        {u'W', QStringLiteral("SendSched")},  {u'E', QStringLiteral("SendEvents")},
        {u'I', QStringLiteral("SendClock")},  {u'K', QStringLiteral("SendCT")},
        {u'N', QStringLiteral("SendEmer")},   {u'C', QStringLiteral("SendClid")},
        {u'G', QStringLiteral("SendGroups")}, {u'P', QStringLiteral("SendClassService")},
        {u'D', QStringLiteral("SendDip")},    {u'M', QStringLiteral("SendBGM")},
        {u'X', QStringLiteral("SendConfig")}, {u'A', QStringLiteral("SendAllDone")},
    };
    return senders.value(body.isEmpty() ? QChar() : body.front(), QStringLiteral("Send_Data"));
}

// The rows of a table in table order, or nothing when it cannot be read.
std::optional<QList<QVariantList>> tableRows(Database &db, const QString &table)
{
    RecordSet records(db, table);
    if (!records.ok())
        return std::nullopt;
    QList<QVariantList> rows;
    for (int i = 0; i < records.count(); ++i)
        rows << records.row(i);
    return rows;
}

// The first row of a one-row table; error 3078 for a missing table, 3021 for an empty one.
std::optional<QVariantList> firstRow(Database &db, const QString &table, int *error)
{
    const auto rows = tableRows(db, table);
    if (!rows) {
        *error = ErrNo::CouldNotFindTable;
        return std::nullopt;
    }
    if (rows->isEmpty()) {
        *error = ErrNo::NoCurrentRecord;
        return std::nullopt;
    }
    return rows->first();
}
} // namespace

RecordSenders::RecordSenders(Database &db, AppState &state, TransferLink &link, ErrorLog &log, TransferFlags &flags,
                             TransferProgress *progress)
    : m_db(db), m_state(state), m_link(link), m_log(log), m_flags(flags), m_progress(progress)
{
}

bool RecordSenders::send(const QString &body)
{
    const QString fault = bodyFault(body);
    if (fault.isEmpty()) {
        if (m_link.Send_Msg(body))
            return true;
        // Whether or not the sequence goes on, the controller does not hold
        // this record: it is listed, so the send cannot end as a success.
        m_flags.Refused << body;
        m_link.writeCommLog(QStringLiteral("ERROR : RECORD REFUSED BY THE CONTROLLER: ") + body);
        m_link.setExceptionsOccurred();
        return false;
    }
    // The value check keeps such bodies from being built; should one slip
    // through, the controller never sees it and the send stops here.
    const QString procedure = senderOf(body);
    QString shown = body.left(kShownBody);
    for (QChar &c : shown)
        if (c.category() == QChar::Other_Control)
            c = u'?';
    m_link.writeCommLog(QStringLiteral("ERROR MALFORMED MESSAGE NOT SENT (") + procedure + QStringLiteral("): ") +
                        fault + QStringLiteral(": ") + shown);
    m_link.setExceptionsOccurred();
    m_log.LogError(ErrNo::InvalidProcedureCall, fault, kModule, kModule, procedure);
    m_flags.AbortSession = true;
    m_flags.RecordMissing = true;
    return false;
}

void RecordSenders::failed(int number, const QString &procedure, const QString &text, const QString &body)
{
    m_link.writeCommLog(QStringLiteral("ERROR ") + QString::number(number) + text + body);
    m_link.setExceptionsOccurred();
    m_flags.RecordMissing = true;
    // A table that cannot be read is described by the database's own words.
    const QString description = number == ErrNo::CouldNotFindTable ? m_db.lastError() : QString();
    m_log.LogError(number, description, kModule, kModule, procedure);
}

void RecordSenders::SendSched()
{
    const QString procedure = QStringLiteral("SendSched");
    const auto rows = tableRows(m_db, QStringLiteral("SchedDays"));
    if (!rows) {
        failed(ErrNo::CouldNotFindTable, procedure, QStringLiteral(" SENDING MESSAGE (SendSched): "), {});
        return;
    }
    for (int weekday = 1; weekday <= kWeekdays; ++weekday) {
        if (!send(schedBody(weekday, *rows))) {
            m_flags.AbortSession = true;
            return;
        }
    }
}

void RecordSenders::SendEvents()
{
    const auto rows = m_db.rows(QStringLiteral("SELECT * FROM Event ORDER BY Schedule, StartTime"));
    if (!rows) {
        failed(ErrNo::CouldNotFindTable, QStringLiteral("SendEvents"),
               QStringLiteral(" SENDING MESSAGE (SendEvents): "), {});
        return;
    }
    for (const QVariantList &row : *rows) {
        if (m_flags.AbortSession)
            return;
        if (row.size() < kEventColumns) {
            failed(ErrNo::ItemNotFound, QStringLiteral("SendEvents"), QStringLiteral(" SENDING MESSAGE (SendEvents): "),
                   QStringLiteral("E"));
            return;
        }
        if (!send(eventBody(row)))
            m_flags.AbortSession = true;
    }
}

void RecordSenders::SendClock()
{
    RecordSet clockDef(m_db, QStringLiteral("ClockDef"));
    if (!clockDef.ok() || clockDef.isEmpty()) {
        failed(clockDef.ok() ? ErrNo::NoCurrentRecord : ErrNo::CouldNotFindTable, QStringLiteral("SendClock"),
               QStringLiteral(" SENDING MESSAGE (SendClock): "), {});
        return;
    }
    ClockValues clock;
    clock.direction = clockDef.value(0, QStringLiteral("Direction"));
    clock.bcdType = clockDef.value(0, QStringLiteral("BCD_Type"));
    clock.clockA = clockDef.value(0, QStringLiteral("ClockA"));
    clock.clockB = clockDef.value(0, QStringLiteral("ClockB"));
    clock.enabled = flag(clockDef.value(0, QStringLiteral("ClockEnabled"))) == u"1";
    send(clockBody(clock)); // an unacknowledged clock message does not stop the transfer
}

void RecordSenders::sendTonePageGroups(QChar type, const QString &table, const QString &procedure, const QString &text)
{
    int error = 0;
    const auto row = firstRow(m_db, table, &error);
    if (!row || row->size() < kPageGroups) {
        failed(row ? ErrNo::ItemNotFound : error, procedure, text, QString(type));
        return;
    }
    send(tonePageGroupsBody(type, *row)); // the answer is ignored: the transfer goes on
}

void RecordSenders::SendCT()
{
    sendTonePageGroups(u'K', QStringLiteral("TonesPG"), QStringLiteral("SendCT"),
                       QStringLiteral(" SENDING MESSAGE (SendCT): "));
}

void RecordSenders::SendEmer()
{
    sendTonePageGroups(u'N', QStringLiteral("EmergencyPG"), QStringLiteral("SendEmer"),
                       QStringLiteral(" SENDING MESSAGE (SendEmer): "));
}

void RecordSenders::SendClid()
{
    const auto rows = tableRows(m_db, QStringLiteral("Clid"));
    if (!rows) {
        failed(ErrNo::CouldNotFindTable, QStringLiteral("SendClid"), QStringLiteral(" SENDING MESSAGE (SendClid): "),
               {});
        return;
    }
    const QString item = QStringLiteral("CLID");
    if (m_progress)
        m_progress->WhatToDisplay(kSendingData, item, kClidProgressStart);
    int counter = 0;
    int steps = 0;
    for (const QVariantList &row : *rows) {
        if (m_flags.AbortSession)
            return;
        // The progress moves on by one every third station.
        if (++counter >= kStationsPerStep) {
            steps = std::min(steps + 1, kClidProgressMaxSteps);
            if (m_progress)
                m_progress->WhatToDisplay(kSendingData, item, kClidProgressStart + steps);
            counter = 0;
        }
        if (!send(clidBody(row)))
            m_flags.AbortSession = true;
    }
}

void RecordSenders::SendGroups()
{
    const auto rows = tableRows(m_db, QStringLiteral("PageGroup"));
    if (!rows) {
        failed(ErrNo::CouldNotFindTable, QStringLiteral("SendGroups"),
               QStringLiteral(" SENDING MESSAGE (SendGroups): "), {});
        return;
    }
    for (const QVariantList &row : *rows) {
        if (m_flags.AbortSession)
            return;
        if (row.size() < 1 + kPageGroups) {
            failed(ErrNo::ItemNotFound, QStringLiteral("SendGroups"), QStringLiteral(" SENDING MESSAGE (SendGroups): "),
                   QStringLiteral("G"));
            return;
        }
        if (!send(groupBody(row)))
            m_flags.AbortSession = true;
    }
}

void RecordSenders::SendClassService()
{
    RecordSet classService(m_db, QStringLiteral("ClassService"));
    if (!classService.ok() || classService.isEmpty()) {
        failed(classService.ok() ? ErrNo::NoCurrentRecord : ErrNo::CouldNotFindTable,
               QStringLiteral("SendClassService"), QStringLiteral(" SENDING MESSAGE (SendClassService): "),
               QStringLiteral("P"));
        return;
    }
    const int group = classService.fieldIndex(QStringLiteral("Group"));
    const int service = classService.fieldIndex(QStringLiteral("Service"));
    if (group < 0 || service < 0) {
        failed(ErrNo::ItemNotFound, QStringLiteral("SendClassService"),
               QStringLiteral(" SENDING MESSAGE (SendClassService): "), QStringLiteral("P"));
        return;
    }
    QList<QVariantList> rows;
    for (int i = 0; i < classService.count(); ++i)
        rows << QVariantList{classService.value(i, group), classService.value(i, service)};
    if (!send(classServiceBody(rows, m_state.ExpansionBoards)))
        m_flags.AbortSession = true;
}

void RecordSenders::SendDip()
{
    int error = 0;
    const auto row = firstRow(m_db, QStringLiteral("DipSwitch"), &error);
    if (!row || row->size() < kDipColumns) {
        failed(row ? ErrNo::ItemNotFound : error, QStringLiteral("SendDip"),
               QStringLiteral(" SENDING MESSAGE (SendDip): "), QStringLiteral("D"));
        return;
    }
    if (!send(dipBody(*row)))
        m_flags.AbortSession = true;
}

void RecordSenders::SendBGM()
{
    int error = 0;
    const auto row = firstRow(m_db, QStringLiteral("Bgm"), &error);
    if (!row || row->size() < kPageGroups) {
        failed(row ? ErrNo::ItemNotFound : error, QStringLiteral("SendBGM"),
               QStringLiteral(" SENDING MESSAGE (SendBgm): "), QStringLiteral("M"));
        return;
    }
    if (!send(bgmBody(*row)))
        m_flags.AbortSession = true;
}

void RecordSenders::SendConfig()
{
    if (!send(configBody(m_state.ExpansionBoards)))
        m_flags.AbortSession = true;
}

void RecordSenders::SendAllDone()
{
    if (send(allDoneBody()))
        m_flags.AllDone = true;
    else
        m_flags.AbortSession = true;
}
