#pragma once

#include "core/ProgressSink.h"
#include "link/ModComm.h"
#include "link/records/TransferLink.h"
#include "platform/Windows1252.h"

// Binds the record senders and readers to the serial link: their bodies go
// through ModComm's framing and handshake, their log lines to its
// communications log, both in the line's code page.
class ModCommTransferLink : public TransferLink {
public:
    explicit ModCommTransferLink(ModComm &comm) : m_comm(comm) {}

    bool Send_Msg(const QString &body) override
    {
        m_comm.link().MsgBuffer = Windows1252::encode(body);
        return m_comm.Send_Msg(m_comm.link().MsgBuffer);
    }
    void writeCommLog(const QString &line) override { m_comm.files().writeCommLog(Windows1252::encode(line)); }
    void setExceptionsOccurred() override { m_comm.link().ExceptionsOccurred = true; }

private:
    ModComm &m_comm;
};

// Lets a transfer report its progress to a ProgressSink.
class ProgressSinkTransferProgress : public TransferProgress {
public:
    explicit ProgressSinkTransferProgress(ProgressSink &sink) : m_sink(sink) {}
    void WhatToDisplay(const QString &label, const QString &text, int percent) override
    {
        m_sink.WhatToDisplay(label, text, percent);
    }

private:
    ProgressSink &m_sink;
};
