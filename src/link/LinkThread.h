#pragma once

#include <QObject>
#include <QThread>

#include <functional>
#include <optional>
#include <type_traits>

// The thread that owns the serial port and runs every exchange with the
// controller. Jobs run one after another, synchronously, on that thread. The UI
// thread calls call(): the job runs there while the caller's own events keep
// running in a local event loop, so windows repaint and the command's code still
// reads in order (revisions, question, transfer, result).
class LinkThread {
public:
    LinkThread();
    ~LinkThread(); // finishes the queued jobs, then stops the thread

    LinkThread(const LinkThread &) = delete;
    LinkThread &operator=(const LinkThread &) = delete;

    // Runs job on the link thread and returns its result. Called on the link
    // thread itself (a job calling another), it simply runs the job.
    template <typename Job> std::invoke_result_t<Job &> call(Job job)
    {
        using Result = std::invoke_result_t<Job &>;
        if constexpr (std::is_void_v<Result>) {
            runAndWait([&job] { job(); });
        } else {
            std::optional<Result> result;
            runAndWait([&job, &result] { result.emplace(job()); });
            return std::move(*result);
        }
    }

    // Queues a job without waiting for it.
    void post(std::function<void()> job);

    QThread *thread() { return &m_thread; }
    bool onLinkThread() const { return QThread::currentThread() == &m_thread; }

private:
    void runAndWait(const std::function<void()> &job);

    QThread m_thread;
    QObject *m_context = nullptr; // lives on m_thread; jobs are queued to it
};
