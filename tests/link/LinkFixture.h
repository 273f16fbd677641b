#pragma once

#include "FakeSerialPort.h"
#include "TempAppFolder.h"
#include "link/LinkFrame.h"
#include "link/ModComm.h"
#include "platform/Database.h"
#include "platform/serial/PortMap.h"

#include <QFile>

#include <gtest/gtest.h>

// A link on the in-memory port, in a fresh application folder; the manual clock
// makes every time-out instant.
class LinkFixture : public ::testing::Test {
protected:
    LinkFixture() : port(clock), comm(port, ports, app.context().state, app.context().log, app.context().paths, clock)
    {
    }

    static QByteArray framed(const QByteArray &body) { return body + LinkFrame::checksum(body) + '\r'; }
    static QByteArray ack() { return QByteArray(1, LinkFrame::kAck); }
    static QByteArray nak() { return QByteArray(1, LinkFrame::kNak); }

    void open() { ASSERT_TRUE(comm.Init_Comm(0)); }

    // Lines of the communications log after its "Date - Time - " line.
    QStringList commLog()
    {
        comm.files().closeCommLog();
        QFile f(app.context().paths.CommLogPath());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"));
        lines.removeLast(); // after the last CR LF
        EXPECT_TRUE(lines.value(0).startsWith(QStringLiteral("Date - Time - ")));
        return lines.mid(1);
    }

    // (errno, errdesc, errmodule, ErrProgram, errfcn) of every error-log row.
    QList<QVariantList> errorRows()
    {
        Database db(app.context().paths.ErrorsDbPath());
        return db
            .rows(QStringLiteral("SELECT errno, errdesc, errmodule, ErrProgram, errfcn FROM \"Error\" ORDER BY rowid"))
            .value_or(QList<QVariantList>{});
    }

    // Bytes the tool wrote, after the frames: the acknowledgements it sent.
    QByteArray answersWritten(int skip = 0) const
    {
        QByteArray out;
        for (qsizetype i = skip; i < port.writes().size(); ++i)
            if (port.writes()[i].size() == 1)
                out += port.writes()[i];
        return out;
    }

    TempAppFolder app;
    ManualClock clock;
    FakeSerialPort port;
    PortMap ports;
    ModComm comm;
};
