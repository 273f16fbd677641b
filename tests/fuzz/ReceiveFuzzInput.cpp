#include "ReceiveFuzzInput.h"

#include "FakeSerialPort.h"
#include "config/ConfigRules.h"
#include "config/ValidityCheck.h"
#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/ErrorLog.h"
#include "link/LinkFrame.h"
#include "link/ModComm.h"
#include "link/records/ReceiveTables.h"
#include "link/records/RecordReaders.h"
#include "link/records/TransferLink.h"
#include "link/transfer/TransferEngine.h"
#include "platform/Database.h"
#include "platform/serial/PortMap.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
// Stands in for the link: the readers only log through it.
class SilentLink : public TransferLink {
public:
    bool Send_Msg(const QString &) override { return true; }
    void writeCommLog(const QString &) override {}
    void setExceptionsOccurred() override {}
};

struct ReceiveHarness {
    QTemporaryDir dir;
    AppPaths paths{dir.path(), QStringLiteral(LINNET_TEMPLATE_DIR)};
    ErrorLog log{paths.ErrorsDbPath()};
    ManualClock clock;
    FakeSerialPort port{clock};
    PortMap ports;
    AppState state;
    ModComm comm{port, ports, state, log, paths, clock};
    TransferEngine engine{comm, state, log, paths};
    QByteArray pristine;

    ReceiveHarness()
    {
        QFile f(QStringLiteral(LINNET_TEMPLATE_DIR "/DEFAULT"));
        if (f.open(QIODevice::ReadOnly))
            pristine = f.readAll();
    }
};
} // namespace

QString fuzzReceiveInput(const std::uint8_t *data, std::size_t size)
{
    static ReceiveHarness h;
    const QString working = h.paths.TempDbPath();
    {
        QFile f(working);
        if (h.pristine.isEmpty() || !f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            f.write(h.pristine) != h.pristine.size())
            return QStringLiteral("cannot prepare ") + working;
    }
    h.state.TotalEvents = 0;
    h.state.ExpansionBoards = 0;
    {
        ReceiveTables tables(h.log);
        if (!tables.Open_Tables(working))
            return QStringLiteral("cannot open ") + working;
        SilentLink link;
        RecordReaders readers(tables, h.state, link, h.log);
        const char *text = reinterpret_cast<const char *>(data);
        for (std::size_t at = 0; at < size;) {
            const int length = LinkFrame::expectedLength(text[at]);
            if (length <= 0 || at + std::size_t(length) > size) {
                ++at;
                continue;
            }
            const QByteArray body(text + at, length);
            at += std::size_t(length);
            // What the link would deliver: no CR (it ends a line) and no NUL
            // (discarded by the port), and a frame that validates.
            if (body.contains('\r') || body.contains('\0'))
                continue;
            const QByteArray frame = body + LinkFrame::checksum(body);
            if (LinkFrame::validate(frame.constData(), std::size_t(frame.size())).verdict != LinkFrame::Verdict::Valid)
                continue;
            h.engine.Process_Msg(readers, body, nullptr);
        }
        tables.Close_Tables();
    }
    // The receive's post-processing, as after a completed receive.
    modProject::Validate_Config(working, h.state, h.log);
    modProject::GetTotalEvents(working, h.state, h.log);

    Database db(working, Database::Mode::ReadOnly);
    const ValidityCheck::Result validity = ValidityCheck::check(db);
    if (!validity.valid)
        return validity.problems.join(u"; ");
    return {};
}
