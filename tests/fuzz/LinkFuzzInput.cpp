#include "LinkFuzzInput.h"

#include "link/LinkFrame.h"
#include "link/ModComm.h"
#include "link/Revisions.h"
#include "platform/serial/FakeSerialPort.h"
#include "platform/serial/PortMap.h"
#include "shell/AppPaths.h"
#include "shell/AppState.h"
#include "shell/ErrorLog.h"

#include <chrono>

void fuzzLinkInput(const std::uint8_t *data, std::size_t size)
{
    const char *text = reinterpret_cast<const char *>(data);
    const LinkFrame::Validation v = LinkFrame::validate(text, size);
    if (v.verdict == LinkFrame::Verdict::Valid)
        Revisions::fromReply(text, v.bodySize);
    LinkFrame::wellFormedByNewerController(text, size);

    // Nothing is written: the application folder and the errors database do not exist.
    static const AppPaths paths(QStringLiteral("/nonexistent/linnet-fuzz"));
    static ErrorLog log(paths.ErrorsDbPath());
    ManualClock clock;
    FakeSerialPort port(clock);
    PortMap ports;
    AppState state;
    state.DebugTrace = size > 0 && (data[0] & 2);
    ModComm comm(port, ports, state, log, paths, clock);
    comm.Init_Comm(0);
    // In pieces the 1024-byte input buffer holds, as a line at 9600 baud would deliver them.
    constexpr std::size_t kPiece = 512;
    for (std::size_t at = 0; at < size; at += kPiece)
        port.feed(QByteArray(text + at, qsizetype(std::min(kPiece, size - at))),
                  std::chrono::milliseconds(100 * (at / kPiece)));
    comm.Receive_Msg(size > 0 && (data[0] & 1));
    if (comm.link().MsgBuffer.size() > 0)
        Revisions::fromReply(comm.link().MsgBuffer.constData(), std::size_t(comm.link().MsgBuffer.size()));
}
