#include "ConfigFuzzInput.h"

#include "config/ValidityCheck.h"
#include "config/ValueCheck.h"
#include "core/AppState.h"
#include "core/ErrorLog.h"
#include "link/records/RecordMessages.h"
#include "link/records/RecordSenders.h"
#include "link/records/TransferLink.h"
#include "link/transfer/SendOrder.h"
#include "platform/Database.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
// Acknowledges every body and keeps it.
class AcceptingLink : public TransferLink {
public:
    bool Send_Msg(const QString &body) override
    {
        bodies << body;
        return true;
    }
    void writeCommLog(const QString &line) override { log << line; }
    void setExceptionsOccurred() override {}
    QStringList bodies, log;
};

struct Column {
    QString table, name;
};

struct ConfigHarness {
    QTemporaryDir dir;
    QString working = dir.filePath(QStringLiteral("config.mdb"));
    ErrorLog log{dir.filePath(QStringLiteral("no-errors-database"))};
    QByteArray pristine;
    QList<Column> columns;
    QStringList tables;

    ConfigHarness()
    {
        QFile f(QStringLiteral(LINNET_TEMPLATE_DIR "/DEFAULT"));
        if (f.open(QIODevice::ReadOnly))
            pristine = f.readAll();
        restore();
        Database db(working, Database::Mode::ReadOnly);
        const auto names = db.rows(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
        for (const QVariantList &n : names.value_or(QList<QVariantList>{})) {
            const QString table = n.value(0).toString();
            tables << table;
            const auto info = db.rows(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table});
            for (const QVariantList &c : info.value_or(QList<QVariantList>{}))
                columns << Column{table, c.value(0).toString()};
        }
    }

    bool restore()
    {
        QFile f(working);
        return !pristine.isEmpty() && f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               f.write(pristine) == pristine.size();
    }
};

// Reads the edit script: each step takes what it needs from the front.
class Script {
public:
    Script(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}
    bool atEnd() const { return m_at >= m_size; }
    int byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    int word() { return qint16(quint16(byte() << 8 | byte())); }
    QString text()
    {
        const int length = byte() % 24;
        QString t;
        for (int i = 0; i < length; ++i) {
            const int b = byte();
            // Mostly the code page's characters, now and then one beyond it.
            t += b == 0xFF ? QChar(0x2603) : QChar(char16_t(b));
        }
        return t;
    }
    QVariant value()
    {
        switch (byte() % 5) {
        case 0: return word();
        case 1: return byte() % 4; // the small numbers most columns hold
        case 2: return text();
        case 3: return double(word()) / 7.0;
        default: return QVariant(); // NULL
        }
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

void applyEdits(Database &db, const QList<Column> &columns, Script &script)
{
    for (int steps = 0; !script.atEnd() && steps < 64; ++steps) {
        switch (script.byte() % 4) {
        case 0:
        case 1: {
            const Column &c = columns.at(script.byte() % columns.size());
            const int row = script.byte() % 100;
            db.exec(QStringLiteral("UPDATE \"%1\" SET \"%2\" = ? WHERE rowid = (SELECT rowid FROM \"%1\" "
                                   "ORDER BY rowid LIMIT 1 OFFSET ?)")
                        .arg(c.table, c.name),
                    {script.value(), row});
            break;
        }
        case 2:
            db.exec(QStringLiteral("INSERT INTO Event (Schedule, StartTime, Tone, Duration, PageGroup1) "
                                   "VALUES (?, ?, ?, ?, ?)"),
                    {script.value(), script.value(), script.value(), script.value(), script.value()});
            break;
        default:
            db.exec(QStringLiteral("DELETE FROM Event WHERE rowid = (SELECT rowid FROM Event ORDER BY rowid "
                                   "LIMIT 1 OFFSET ?)"),
                    {script.byte()});
        }
    }
}
} // namespace

QString fuzzConfigInput(const std::uint8_t *data, std::size_t size)
{
    static ConfigHarness h;
    if (!h.restore() || h.columns.isEmpty())
        return QStringLiteral("cannot prepare ") + h.working;
    Database db(h.working);
    Script script(data, size);
    applyEdits(db, h.columns, script);

    const ValidityCheck::Result validity = ValidityCheck::check(db);
    if (!validity.valid || !ValueCheck::check(db).isEmpty())
        return {}; // refused before anything is sent
    AppState state;
    state.ExpansionBoards = validity.expansionBoards;
    state.ClockBoard = validity.clockBoard;
    state.TotalEvents = validity.totalEvents;
    AcceptingLink link;
    TransferFlags flags;
    RecordSenders senders(db, state, link, h.log, flags);
    for (const SendStep &step : kSendOrder)
        (senders.*step.send)();
    QStringList problems = link.log;
    if (flags.AbortSession || flags.RecordMissing)
        problems << QStringLiteral("a send the value check passed did not complete");
    for (const QString &body : link.bodies)
        if (const QString fault = RecordMessages::bodyFault(body); !fault.isEmpty())
            problems << fault + QStringLiteral(": ") + body;
    return problems.join(u"; ");
}
