#include "link/LinkThread.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

TEST(LinkThread, RunsJobsThereWhileTheCallerKeepsHandlingEvents)
{
    LinkThread link;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(5);

    const auto [thread, nested] = link.call([&] {
        QThread::msleep(100); // a blocking exchange
        // A job that calls into the link thread runs at once instead of waiting on itself.
        return std::pair{QThread::currentThread(), link.call([] { return QThread::currentThread(); })};
    });
    EXPECT_EQ(thread, link.thread());
    EXPECT_EQ(nested, link.thread());
    EXPECT_GE(ticks, 5); // the UI thread was not blocked meanwhile

    link.call([] {}); // a void job
    std::vector<int> order;
    link.post([&] { order.push_back(1); });
    EXPECT_EQ(link.call([&] {
        order.push_back(2);
        return int(order.size());
    }),
              2);
}
