#include "link/records/RecordReaders.h"

#include "core/AppState.h"
#include "core/ErrorLog.h"
#include "link/records/ReceiveTables.h"
#include "link/records/RecordMessages.h"
#include "link/records/TransferLink.h"
#include "platform/Database.h"
#include "platform/RecordSet.h"

using namespace RecordMessages;

namespace {
const QString kModule = QStringLiteral("ModComm");

using Reader = RecordReaders::Reader;
const Reader kSched{QStringLiteral("ReadSched"), QStringLiteral(" RECEIVING Schedules:  ")};
const Reader kEvent{QStringLiteral("ReadEvent"), QStringLiteral(" RECEIVING Events:  ")};
const Reader kClock{QStringLiteral("REadClock"), QStringLiteral(" Reading MESSAGE (SendClock): "), true};
const Reader kCT{QStringLiteral("ReadCT"), QStringLiteral(" RECEIVING Time Tones: "), true};
const Reader kEmer{QStringLiteral("ReadEmer"), QStringLiteral(" RECEIVING Emergency Tones: "), true};
const Reader kClid{QStringLiteral("ReadClid"), QStringLiteral(" RECEIVING CLID: ")};
const Reader kGroup{QStringLiteral("ReadGroup"), QStringLiteral(" RECEIVING Custom Page Group:  ")};
const Reader kClassService{QStringLiteral("ReadClassService"), QStringLiteral(" RECEIVING CLASS OF SERVICE: ")};
const Reader kDip{QStringLiteral("ReadDip"), QStringLiteral(" RECEIVING Dipswitch: ")};
const Reader kBgm{QStringLiteral("ReadBGM"), QStringLiteral(" RECEIVING BACKGROUND MUSIC: ")};
const Reader kConfig{QStringLiteral("ReadConfig"), QStringLiteral(" RECEIVING CONFIG: ")};

// Positions → values for setValues, starting at a column.
QList<QPair<int, QVariant>> columnsFrom(int firstColumn, const QVariantList &values)
{
    QList<QPair<int, QVariant>> columns;
    for (int k = 0; k < values.size(); ++k)
        columns << qMakePair(firstColumn + k, values[k]);
    return columns;
}

// The first row whose field equals a number, or -1.
int findRow(const RecordSet &records, const QString &field, int number)
{
    const int column = records.fieldIndex(field);
    if (column < 0)
        return -1;
    for (int i = 0; i < records.count(); ++i) {
        const auto stored = toNumber(text(records.value(i, column)));
        if (stored && *stored == number)
            return i;
    }
    return -1;
}
} // namespace

RecordReaders::RecordReaders(ReceiveTables &tables, AppState &state, TransferLink &link, ErrorLog &log)
    : m_tables(tables), m_state(state), m_link(link), m_log(log)
{
}

void RecordReaders::failed(const Reader &reader, int number, const QString &body, const QString &description)
{
    const QString words = description.isEmpty() ? ErrorLog::standardMessage(number) : description;
    const QString detail = reader.describesError ? words : QString::number(number);
    m_link.writeCommLog(QStringLiteral("ERROR ") + detail + reader.text + body);
    m_link.setExceptionsOccurred();
    m_log.LogError(number, words, kModule, kModule, reader.procedure);
}

namespace {
// The record set of a table and, for a one-row table, its first row; the
// error number when it is missing.
struct Target {
    RecordSet *records = nullptr;
    int error = 0;
};
Target target(const ReceiveTables &tables, ReceiveTables::Table t, bool needsRow)
{
    RecordSet *records = tables.table(t);
    if (!records)
        return {nullptr, ErrNo::CouldNotFindTable};
    if (needsRow && records->isEmpty())
        return {nullptr, ErrNo::NoCurrentRecord};
    return {records, 0};
}

QString databaseError(const ReceiveTables &tables)
{
    return tables.database() ? tables.database()->lastError() : QString();
}
} // namespace

void RecordReaders::ReadSched(const QString &body)
{
    const auto record = parseSched(body);
    if (!record)
        return failed(kSched, record.error, body);
    const Target days = target(m_tables, ReceiveTables::SchedDays, false);
    if (!days.records)
        return failed(kSched, days.error, body);
    // A schedule that has no row (W10: no schedule on Sunday) writes nothing.
    const int row = findRow(*days.records, QStringLiteral("Schedule"), record->schedule);
    if (row < 0)
        return;
    if (record->weekday < 1 || record->weekday > kWeekdays)
        return failed(kSched, ErrNo::SubscriptOutOfRange, body);
    // Day columns follow the Schedule column, Sunday first.
    if (!days.records->setValue(row, record->weekday, 1))
        failed(kSched, ErrNo::DatabaseError, body, databaseError(m_tables));
}

void RecordReaders::ReadEvent(const QString &body)
{
    const auto row = parseEvent(body);
    if (!row)
        return failed(kEvent, row.error, body);
    const Target events = target(m_tables, ReceiveTables::Event, false);
    if (!events.records)
        return failed(kEvent, events.error, body);
    if (!events.records->addNew(*row))
        failed(kEvent, ErrNo::DatabaseError, body, databaseError(m_tables));
}

void RecordReaders::REadClock(const QString &body)
{
    const auto clock = parseClock(body);
    if (!clock)
        return failed(kClock, clock.error, body);
    const Target clockDef = target(m_tables, ReceiveTables::ClockDef, true);
    if (!clockDef.records)
        return failed(kClock, clockDef.error, body);
    RecordSet &records = *clockDef.records;
    QList<QPair<int, QVariant>> values;
    const std::pair<const char *, int> fields[] = {{"Direction", clock->direction},
                                                   {"BCD_Type", clock->bcdType},
                                                   {"ClockA", clock->clockA},
                                                   {"ClockB", clock->clockB},
                                                   {"ClockEnabled", int(clock->enabled)}};
    for (const auto &[name, value] : fields) {
        const int column = records.fieldIndex(QString::fromLatin1(name));
        if (column < 0)
            return failed(kClock, ErrNo::ItemNotFound, body);
        values << qMakePair(column, QVariant(value));
    }
    if (!records.setValues(0, values))
        return failed(kClock, ErrNo::DatabaseError, body, databaseError(m_tables));
    m_state.ClockBoard = clock->enabled;
    m_clockReceived = true;
}

void RecordReaders::readTonePageGroups(const Reader &reader, int table, const QString &body)
{
    const Target tones = target(m_tables, ReceiveTables::Table(table), true);
    if (!tones.records)
        return failed(reader, tones.error, body);
    if (tones.records->fieldCount() < kPageGroups)
        return failed(reader, ErrNo::ItemNotFound, body);
    // Only the page groups of the boards configured at this moment are taken.
    const QVariantList flags = parseTonePageGroups(body, m_state.ExpansionBoards);
    if (!tones.records->setValues(0, columnsFrom(0, flags)))
        failed(reader, ErrNo::DatabaseError, body, databaseError(m_tables));
}

void RecordReaders::ReadCT(const QString &body)
{
    readTonePageGroups(kCT, ReceiveTables::TonesPG, body);
}

void RecordReaders::ReadEmer(const QString &body)
{
    readTonePageGroups(kEmer, ReceiveTables::EmergencyPG, body);
}

void RecordReaders::ReadClid(const QString &body)
{
    const auto station = parseClid(body);
    if (!station)
        return failed(kClid, station.error, body);
    const Target clid = target(m_tables, ReceiveTables::Clid, false);
    if (!clid.records)
        return failed(kClid, clid.error, body);
    const int row = findRow(*clid.records, QStringLiteral("Clid_Station"), station->station);
    if (row < 0) {
        m_link.writeCommLog(QStringLiteral("ERROR CLID STATION DOES NOT MATCH: ") + body);
        m_link.setExceptionsOccurred();
        return;
    }
    const int archnum = clid.records->fieldIndex(QStringLiteral("archnum"));
    const int clidString = clid.records->fieldIndex(QStringLiteral("clid_string"));
    if (archnum < 0 || clidString < 0)
        return failed(kClid, ErrNo::ItemNotFound, body);
    if (!clid.records->setValues(row, {{archnum, station->archnum}, {clidString, station->clidString}}))
        failed(kClid, ErrNo::DatabaseError, body, databaseError(m_tables));
}

void RecordReaders::ReadGroup(const QString &body)
{
    const auto group = parseGroup(body);
    if (!group)
        return failed(kGroup, group.error, body);
    const Target groups = target(m_tables, ReceiveTables::PageGroup, false);
    if (!groups.records)
        return failed(kGroup, groups.error, body);
    const int row = findRow(*groups.records, QStringLiteral("Dialcode"), group->dialCode);
    if (row < 0) {
        m_link.writeCommLog(QStringLiteral("CustomPageGroup - Dialing Code does not match:  ") + body);
        m_link.setExceptionsOccurred();
        return;
    }
    if (groups.records->fieldCount() < 1 + kPageGroups)
        return failed(kGroup, ErrNo::ItemNotFound, body);
    if (!groups.records->setValues(row, columnsFrom(1, group->pageGroups)))
        failed(kGroup, ErrNo::DatabaseError, body, databaseError(m_tables));
}

void RecordReaders::ReadClassService(const QString &body)
{
    const Target classService = target(m_tables, ReceiveTables::ClassService, false);
    if (!classService.records)
        return failed(kClassService, classService.error, body);
    RecordSet &records = *classService.records;
    const int group = records.fieldIndex(QStringLiteral("Group"));
    const int service = records.fieldIndex(QStringLiteral("Service"));
    if (group < 0 || service < 0)
        return failed(kClassService, ErrNo::ItemNotFound, body);
    for (int i = 0; i < records.count(); ++i) {
        const auto value = classServiceOf(body, records.value(i, group));
        if (!value)
            return failed(kClassService, value.error, body);
        if (!records.setValue(i, service, *value))
            return failed(kClassService, ErrNo::DatabaseError, body, databaseError(m_tables));
    }
}

void RecordReaders::ReadDip(const QString &body)
{
    const Target dip = target(m_tables, ReceiveTables::DipSwitch, true);
    if (!dip.records)
        return failed(kDip, dip.error, body);
    if (dip.records->fieldCount() < kDipColumns)
        return failed(kDip, ErrNo::ItemNotFound, body);
    const DipRecord options = parseDip(body);
    auto values = columnsFrom(0, options.flags);
    if (options.ringPattern) {
        values << qMakePair(kDipRingPatternColumn, QVariant(*options.ringPattern));
    } else {
        // An unknown pair keeps the stored pattern; the other options are still saved.
        m_link.writeCommLog(QStringLiteral("Ring pattern 11 do not exist: ") + body);
        m_link.setExceptionsOccurred();
    }
    values << qMakePair(kDipColumns - 1, QVariant(options.extToneSource));
    if (!dip.records->setValues(0, values))
        failed(kDip, ErrNo::DatabaseError, body, databaseError(m_tables));
}

void RecordReaders::ReadBGM(const QString &body)
{
    const Target bgm = target(m_tables, ReceiveTables::Bgm, true);
    if (!bgm.records)
        return failed(kBgm, bgm.error, body);
    if (bgm.records->fieldCount() < kPageGroups)
        return failed(kBgm, ErrNo::ItemNotFound, body);
    if (!bgm.records->setValues(0, columnsFrom(0, parseBgm(body))))
        failed(kBgm, ErrNo::DatabaseError, body, databaseError(m_tables));
}

void RecordReaders::ReadConfig(const QString &body)
{
    const auto boards = parseConfig(body);
    if (!boards)
        return failed(kConfig, boards.error, body);
    const Target config = target(m_tables, ReceiveTables::Config, true);
    if (!config.records)
        return failed(kConfig, config.error, body);
    // The page-group messages that follow use the new count at once.
    m_state.ExpansionBoards = *boards;
    if (!config.records->setValue(0, QStringLiteral("System_Config"), *boards))
        failed(kConfig, ErrNo::DatabaseError, body, databaseError(m_tables));
}
