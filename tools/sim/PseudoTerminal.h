#pragma once

#include <QString>

// A pseudo-terminal whose slave side stands in for a serial device. The slave
// is put in raw mode at once (a cooked terminal eats the NAK byte as line-kill
// and turns CR into LF), and our own slave descriptor stays open for the whole
// life of the object, so the master never sees a hang-up when the program
// using the slave closes it.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool isValid() const { return m_master >= 0 && m_slave >= 0; }
    QString error() const { return m_error; }
    int masterFd() const { return m_master; }
    QString slavePath() const { return m_slavePath; }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QString m_error;
};
