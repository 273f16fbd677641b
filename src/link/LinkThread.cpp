#include "link/LinkThread.h"

#include <QEventLoop>

LinkThread::LinkThread()
{
    m_thread.setObjectName(QStringLiteral("link"));
    m_context = new QObject;
    m_context->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_context, &QObject::deleteLater);
    m_thread.start();
}

LinkThread::~LinkThread()
{
    // quit() is queued behind the jobs already posted, so they all finish first.
    QMetaObject::invokeMethod(
        m_context, [this] { m_thread.quit(); }, Qt::QueuedConnection);
    m_thread.wait();
}

void LinkThread::post(std::function<void()> job)
{
    QMetaObject::invokeMethod(m_context, std::move(job), Qt::QueuedConnection);
}

void LinkThread::runAndWait(const std::function<void()> &job)
{
    if (onLinkThread()) {
        job();
        return;
    }
    QEventLoop loop;
    // The quit is posted to the caller's thread, so it is only handled once
    // exec() runs: the loop cannot miss it, however fast the job is.
    QMetaObject::invokeMethod(
        m_context,
        [&job, &loop] {
            job();
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    loop.exec();
}
