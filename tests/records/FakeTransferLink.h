#pragma once

#include "link/records/TransferLink.h"

#include <QList>
#include <QStringList>

#include <functional>

// Records every body sent and every communications-log line; answers with ACK
// unless the scripted answer says otherwise.
class FakeTransferLink : public TransferLink {
public:
    bool Send_Msg(const QString &body) override
    {
        sent << body;
        return answer(body);
    }
    void writeCommLog(const QString &line) override { log << line; }
    void setExceptionsOccurred() override { exceptions = true; }

    std::function<bool(const QString &)> answer = [](const QString &) { return true; };
    QStringList sent;
    QStringList log;
    bool exceptions = false;
};

class RecordingProgress : public TransferProgress {
public:
    struct Shown {
        QString label, text;
        int percent;
    };
    void WhatToDisplay(const QString &label, const QString &text, int percent) override
    {
        shown << Shown{label, text, percent};
    }
    QList<int> percents() const
    {
        QList<int> values;
        for (const Shown &s : shown)
            values << s.percent;
        return values;
    }
    QList<Shown> shown;
};
