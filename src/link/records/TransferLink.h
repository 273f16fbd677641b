#pragma once

#include <QString>
#include <QStringList>

// What the record senders and readers need from the serial link: send one body
// and wait for its acknowledgement, write a line to the communications log
// (log_file.txt), and flag that an exception was logged. The link binds it to
// its framing and files; tests use a recording fake.
class TransferLink {
public:
    virtual ~TransferLink() = default;

    // Frames, sends and waits for ACK; true when the body was acknowledged.
    virtual bool Send_Msg(const QString &body) = 0;
    // One line of the communications log.
    virtual void writeCommLog(const QString &line) = 0;
    // Sets ExceptionsOccurred for the current transfer.
    virtual void setExceptionsOccurred() = 0;
};

// Where a transfer shows how far it got (the progress window, or the CLI).
class TransferProgress {
public:
    virtual ~TransferProgress() = default;
    virtual void WhatToDisplay(const QString &label, const QString &text, int percent) = 0;
};

// The transfer flags shared by the senders, the readers and the sequences.
struct TransferFlags {
    bool AllDone = false;      // the transfer reached its end
    bool AbortSession = false; // a record was not delivered (or not received)
    // Records the controller refused after every attempt, in the order sent.
    // A send that goes on past them has still not delivered the programming.
    QStringList Refused;
    // A record could not be built from the configuration, so it was never sent.
    bool RecordMissing = false;

    void clear()
    {
        AllDone = AbortSession = RecordMissing = false;
        Refused.clear();
    }
    // The controller holds everything that was to be sent.
    bool delivered() const { return AllDone && Refused.isEmpty() && !RecordMissing; }
};
