#pragma once

#include <QList>
#include <QObject>

#include <csignal>
#include <vector>

class QSocketNotifier;

// Turns process signals (SIGTERM, SIGINT, SIGHUP...) into a Qt signal on the
// thread that made the object. The handler itself only writes the signal's
// number to a socket pair, which is all a handler may safely do; a socket
// notifier reads it in the event loop and emits received(). One instance at a
// time; its destructor puts the previous handlers back.
class UnixSignals : public QObject {
    Q_OBJECT
public:
    explicit UnixSignals(const QList<int> &signalNumbers, QObject *parent = nullptr);
    ~UnixSignals() override;
    UnixSignals(const UnixSignals &) = delete;
    UnixSignals &operator=(const UnixSignals &) = delete;

    // False when the socket pair or a handler could not be set up.
    bool ok() const { return m_ok; }

signals:
    void received(int signalNumber);

private:
    static void handler(int signalNumber);
    void readPending();

    QList<int> m_signals;
    std::vector<struct sigaction> m_previous;
    QSocketNotifier *m_notifier = nullptr;
    bool m_ok = false;
};
