#pragma once

#include "SimCore.h"

#include <QString>
#include <QStringList>

// What the simulator is told on its command line.
struct SimOptions {
    QString device; // "" for a new pseudo-terminal
    int pace = 0;   // baud of the modelled wire, 0 for none
    bool verbose = false;
    SimCore::Revision revision;
    SimCore::Faults faults;

    // Parses the arguments after the program name; false with a message on error.
    static bool parse(const QStringList &args, SimOptions &out, QString *error);
    // One named fault: silent, blank-ack, bad-checksum, unknown-type, delay=MS,
    // nak-<letter>=N (nak-h=5: NAK the first five H requests), no-dst, invalid-date.
    static bool applyFault(const QString &fault, SimCore::Faults &faults, QString *error);
    // "2.05" → major 2, minor 5.
    static bool parseRevision(const QString &text, int &major, int &minor);

    static QString usage();
};
