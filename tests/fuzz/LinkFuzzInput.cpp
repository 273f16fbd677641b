#include "LinkFuzzInput.h"

#include "FakeSerialPort.h"
#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/ErrorLog.h"
#include "link/LinkFrame.h"
#include "link/ModComm.h"
#include "link/Revisions.h"
#include "platform/serial/PortMap.h"

#include <chrono>

namespace {
// The link and its in-memory port, built once: constructing them for every
// input cost more than parsing it.
struct LinkHarness {
    // Nothing is written: the application folder and the errors database do not exist.
    AppPaths paths{QStringLiteral("/nonexistent/linnet-fuzz")};
    ErrorLog log{paths.ErrorsDbPath()};
    ManualClock clock;
    FakeSerialPort port{clock};
    PortMap ports;
    AppState state;
    ModComm comm{port, ports, state, log, paths, clock};

    LinkHarness() { comm.Init_Comm(0); }
};
} // namespace

QString fuzzLinkInput(const std::uint8_t *data, std::size_t size)
{
    size = std::min(size, kLinkFuzzMaxInput);
    const char *text = reinterpret_cast<const char *>(data);
    const LinkFrame::Validation v = LinkFrame::validate(text, size);
    if (v.verdict == LinkFrame::Verdict::Valid)
        Revisions::fromReply(text, v.bodySize);
    LinkFrame::wellFormedByNewerController(text, size);

    static LinkHarness h;
    h.port.reset();
    h.comm.link() = LinkState{};
    h.state.DebugTrace = size > 0 && (data[0] & 2);
    // In pieces the 1024-byte input buffer holds, as a line at 9600 baud would deliver them.
    constexpr std::size_t kPiece = 512;
    for (std::size_t at = 0; at < size; at += kPiece)
        h.port.feed(QByteArray(text + at, qsizetype(std::min(kPiece, size - at))),
                    std::chrono::milliseconds(100 * (at / kPiece)));
    h.comm.Receive_Msg(size > 0 && (data[0] & 1));
    if (h.comm.link().MsgBuffer.size() > 0)
        Revisions::fromReply(h.comm.link().MsgBuffer.constData(), std::size_t(h.comm.link().MsgBuffer.size()));
    return {}; // the sanitizers are the judges here
}
