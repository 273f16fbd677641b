#include "link/ModComm.h"

#include "core/AppState.h"
#include "core/ErrorLog.h"
#include "link/LinkFrame.h"
#include "link/timer.h"
#include "platform/Windows1252.h"
#include "platform/serial/PortMap.h"
#include "platform/serial/SerialPort.h"

namespace {
const QString kModule = QStringLiteral("ModComm");
constexpr int kDeviceIoError = 57;
// The code a missing or blank answer counts as.
constexpr int kEmptyAnswer = 22;
constexpr char kBlank = ' ';
// Bodies that are not written to the transmit trace.
constexpr QByteArrayView kUntraced("QRTUZH");
// Received texts written to the receive trace.
constexpr QByteArrayView kReceiveTraced("MCXDEGWAP");
} // namespace

ModComm::ModComm(SerialPort &port, const PortMap &ports, AppState &state, ErrorLog &log, const AppPaths &paths,
                 const Clock &clock)
    : m_port(port), m_ports(ports), m_state(state), m_log(log), m_clock(clock), m_files(paths, clock)
{
    m_port.setEventHandler([this](int event) { MSCom_OnComm(event); });
}

void ModComm::trace(const QByteArray &text, const char *procedure)
{
    if (m_state.DebugTrace)
        m_log.trace(Windows1252::decode(text), QString::fromLatin1(procedure));
}

void ModComm::logFailure(int number, const QString &procedure)
{
    m_log.LogError(number, QString(), kModule, kModule, procedure);
}

QString ModComm::openFailure() const
{
    return m_port.openFailure();
}

bool ModComm::Init_Comm(int handshaking)
{
    if (m_port.isOpen())
        return true;
    m_opened = false;
    if (m_state.settings.CommPort < PortMap::kFirstPort)
        m_state.settings.CommPort = PortMap::kFirstPort;
    m_port.setNulDiscard(true);
    if (!m_port.open(m_ports.devicePath(m_state.settings.CommPort), handshaking))
        return false;
    m_port.clearInput();
    m_opened = true;
    m_link.LostDevice.clear();
    return true;
}

bool ModComm::portUsable()
{
    if (m_port.isOpen())
        return true;
    if (m_opened && m_link.LostDevice.isEmpty()) {
        // The port closed itself: the device went away under the transfer.
        m_link.LostDevice = m_port.device();
        m_files.writeCommLog("ERROR : the device " + m_link.LostDevice.toLocal8Bit() + " went away");
        m_link.ExceptionsOccurred = true;
        m_log.LogError(ErrNo::PortNotOpen, m_link.LostDevice + QStringLiteral(" went away"), kModule, kModule,
                       QStringLiteral("Send_Msg"));
    }
    return false;
}

void ModComm::Exit_Comm()
{
    m_opened = false;
    if (m_port.isOpen())
        m_port.close();
}

void ModComm::MyPutStr(const QByteArray &text)
{
    m_port.clearInput();
    if (!m_port.write(text))
        logFailure(m_port.isOpen() ? kDeviceIoError : ErrNo::PortNotOpen, QStringLiteral("MyPutStr"));
    trace("Transmitting = " + text, "MyPutStr");
}

QByteArray ModComm::MyGet1Char()
{
    if (!portUsable()) {
        logFailure(ErrNo::PortNotOpen, QStringLiteral("MyGet1Char"));
        return {};
    }
    timer watch(m_clock);
    watch.StartTimer();
    const auto deadline = m_clock.now() + kCharTimeout;
    for (;;) {
        if (const std::optional<char> c = m_port.readByte(deadline))
            return QByteArray(1, *c);
        watch.StopTimer();
        if (watch.Elapsed() >= kCharTimeout.count() || !portUsable())
            return {};
    }
}

QByteArray ModComm::MyGetString()
{
    QByteArray line;
    while (line.size() < kLongestLine) {
        const QByteArray c = MyGet1Char();
        if (c.isEmpty() || c.front() == LinkFrame::kCr)
            break;
        line += c;
        // The type letter tells how long the frame is: let the rest of it
        // (checksum and CR included) arrive before reading on.
        if (line.size() == 1) {
            if (const int length = LinkFrame::expectedLength(line.front()); length > 0)
                m_port.awaitBytes(length - 1 + qint64(LinkFrame::kChecksumWidth) + 1, m_clock.now() + kCharTimeout);
        }
    }
    trace("Recieved Message = " + line);
    return line;
}

QByteArray ModComm::Compute_Checksum(const QByteArray &body)
{
    const QByteArray sum = LinkFrame::checksum(body);
    if (sum.isEmpty()) {
        m_files.writeCommLog("ERROR " + QByteArray::number(ErrNo::Overflow) +
                             " COMPUTING CHECK SUM (Compute_Checksum): " + body);
        m_link.ExceptionsOccurred = true;
        logFailure(ErrNo::Overflow, QStringLiteral("Bad CheckSum"));
    }
    return sum;
}

bool ModComm::Send_Msg(const QByteArray &body)
{
    const QByteArray frame = body + Compute_Checksum(body);
    if (body.isEmpty() || !kUntraced.contains(body.front()))
        m_files.writeData(frame);
    const QByteArray wire = frame + LinkFrame::kCr + '\0';

    if (!portUsable()) {
        m_link.ExceptionsOccurred = true;
        m_link.NoResponse = true;
        m_link.NakLimit = false;
        logFailure(ErrNo::PortNotOpen, QStringLiteral("Send_Msg"));
        return false;
    }

    int naks = 0;
    int others = 0;
    bool success = false;
    m_port.clearInput();
    m_port.clearOutput();
    while (!success && naks + others < kSendAttempts) {
        m_port.clearInput();
        m_port.write(wire);
        trace("Send Data Message = " + wire);
        const QByteArray answer = MyGet1Char();
        int code = kEmptyAnswer;
        if (answer.isEmpty() || answer.front() == kBlank) {
            trace("Response => EMPTY String");
        } else {
            code = static_cast<unsigned char>(answer.front());
            trace("Response => Chr=" + answer + " Ascii=" + QByteArray::number(code));
        }
        if (code == LinkFrame::kAck)
            success = true;
        else if (code == LinkFrame::kNak)
            ++naks;
        else
            ++others;
    }
    m_link.NoResponse = (others == kSendAttempts);
    m_link.NakLimit = (naks == kSendAttempts);
    return success;
}

bool ModComm::Receive_Msg(bool checkRev)
{
    quint8 tries = 0;
    bool valid = false;
    bool conflict = false;
    do {
        m_link.MsgBuffer.clear();
        QByteArray line = MyGetString().left(kReceivedLineCut);
        trace("Recieved Data Message = " + line);
        while (line.endsWith(kBlank))
            line.chop(1);
        m_link.MsgBuffer = line;
        m_link.RawReceived = line;
        const QByteArray copy = line;
        if (!m_state.DateTimeInProgress && !line.isEmpty() && kReceiveTraced.contains(line.front()))
            m_files.writeData(line);

        if (Valid_message()) {
            trace("Valid Message");
            MyPutStr(QByteArray(1, LinkFrame::kAck));
            m_files.writeCommLog("Valid :  " + copy);
            valid = true;
        } else {
            trace("Invalid Message");
            if (checkRev && NewHWnOldSW())
                conflict = true;
            ++tries;
            m_files.writeCommLog(QByteArray::number(tries) + " - NACK:  " + copy);
            if (conflict) {
                MyPutStr(QByteArray(1, LinkFrame::kAck));
                m_files.writeCommLog("Ignore Message Due to Rev Conflicts");
                tries = kReceiveTries;
            } else {
                MyPutStr(QByteArray(1, LinkFrame::kNak));
            }
        }
    } while (tries != kReceiveTries && !valid);
    return valid || conflict;
}

bool ModComm::Valid_message()
{
    QByteArray &buffer = m_link.MsgBuffer;
    const LinkFrame::Validation v = LinkFrame::validate(buffer.constData(), std::size_t(buffer.size()));
    if (v.verdict == LinkFrame::Verdict::TooShort)
        return false;
    const QByteArray received = buffer.right(qsizetype(LinkFrame::kChecksumWidth));
    buffer.truncate(qsizetype(v.bodySize));
    if (v.verdict == LinkFrame::Verdict::Valid)
        return true;
    if (v.verdict == LinkFrame::Verdict::ChecksumMismatch) {
        m_files.writeCommLog(
            "ERROR : CHECK SUM DOES NOT MATCH: " + buffer + received +
            ". The correct check sum is : " + QByteArray(v.computed.data(), qsizetype(v.computed.size())));
        m_link.ExceptionsOccurred = true;
    }
    return false;
}

bool ModComm::NewHWnOldSW()
{
    QByteArray &raw = m_link.RawReceived;
    if (raw.isEmpty() || raw.front() < 'A' || raw.front() > 'Z' || raw.size() < qsizetype(LinkFrame::kChecksumWidth))
        return false;
    const bool wellFormed = LinkFrame::wellFormedByNewerController(raw.constData(), std::size_t(raw.size()));
    raw.chop(qsizetype(LinkFrame::kChecksumWidth));
    return wellFormed;
}

void ModComm::MSCom_OnComm(int event)
{
    const QString text = SerialPort::eventText(event);
    if (!text.isEmpty())
        m_log.LogError(event, text, QStringLiteral("frmMenu"), QStringLiteral("frmMenu"), QStringLiteral("OnComm"));
}

void ModComm::GetRevs(bool modemDialling)
{
    if (modemDialling)
        return;
    if (!Init_Comm(SerialPort::HandshakeNone)) {
        m_revs = Revisions::notCommunicating();
        // No request could be sent: the transfer commands must see a silent controller.
        m_link.NoResponse = true;
        m_link.NakLimit = false;
        return;
    }
    m_link.MsgBuffer = "H";
    if (Send_Msg(m_link.MsgBuffer)) {
        m_link.ExceptionsOccurred = false;
        if (Receive_Msg(false))
            m_revs = Revisions::fromReply(m_link.MsgBuffer.constData(), std::size_t(m_link.MsgBuffer.size()));
        else
            m_revs = Revisions::preRelease();
    } else if (m_link.NoResponse) {
        m_revs = Revisions::notCommunicating();
    } else {
        m_revs = Revisions::preRelease();
    }
}
