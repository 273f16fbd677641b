#include "platform/serial/SerialPort.h"

QString SerialPort::eventText(int code)
{
    switch (code) {
    case EventFraming: return QStringLiteral("framing Error");
    case EventDataLost: return QStringLiteral("Data Lost");
    case EventRxOverflow: return QStringLiteral("Recieve Buffer Overflow");
    case EventParity: return QStringLiteral("Parity Error");
    case EventTxFull: return QStringLiteral("Transmit Buffer Full");
    case EventUnexpected: return QStringLiteral("Unexpected Error Retrieving DCB");
    default: return {};
    }
}
