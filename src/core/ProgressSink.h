#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

// Where the link reports the progress of a long exchange: the progress window
// in the tool, standard output in the command line. Called on the link thread.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    // First line, second line, percentage 0-100.
    virtual void WhatToDisplay(const QString &sLabel, const QString &sText, int iPercent) = 0;
    // Single-line mode while talking to a modem.
    virtual void SetModemComm() = 0;
    // Single-line mode while a modem is released.
    virtual void SetModemRelease() = 0;
    virtual void ChangeCaption(const QString &newCaption) = 0;
};

// Forwards every call to a sink that lives on another thread (the progress
// window on the UI thread) as a queued call; nothing is forwarded once the
// window's context object is gone.
class QueuedProgressSink : public ProgressSink {
public:
    QueuedProgressSink(ProgressSink &target, QObject *targetContext) : m_target(target), m_context(targetContext) {}

    void WhatToDisplay(const QString &sLabel, const QString &sText, int iPercent) override
    {
        post([this, sLabel, sText, iPercent] { m_target.WhatToDisplay(sLabel, sText, iPercent); });
    }
    void SetModemComm() override
    {
        post([this] { m_target.SetModemComm(); });
    }
    void SetModemRelease() override
    {
        post([this] { m_target.SetModemRelease(); });
    }
    void ChangeCaption(const QString &newCaption) override
    {
        post([this, newCaption] { m_target.ChangeCaption(newCaption); });
    }

private:
    template <typename F> void post(F f)
    {
        if (m_context)
            QMetaObject::invokeMethod(m_context.data(), std::move(f), Qt::QueuedConnection);
    }

    ProgressSink &m_target;
    QPointer<QObject> m_context;
};
