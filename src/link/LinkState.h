#pragma once

#include <QByteArray>
#include <QString>

// The state of the link after the most recent exchange. Owned by ModComm;
// read by the revision, record and transfer procedures.
struct LinkState {
    // The current message: a request before Send_Msg, the received text after
    // Receive_Msg, only its body once validated.
    QByteArray MsgBuffer;
    // The last received text, checksum included.
    QByteArray RawReceived;
    // The last Send_Msg gave up without a single NAK (or failed internally).
    bool NoResponse = false;
    // The last Send_Msg gave up after five NAKs.
    bool NakLimit = false;
    // A checksum, validation or record error went to the communications log
    // during the current transfer.
    bool ExceptionsOccurred = false;
    // The device this link had open disappeared (unplugged, switched off,
    // hung up); its path, "" while the link is sound. Cleared when the port is
    // opened again.
    QString LostDevice;
};
