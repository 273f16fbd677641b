#include "SimOptions.h"

#include <QRegularExpression>

bool SimOptions::parseRevision(const QString &text, int &major, int &minor)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return false;
    major = m.captured(1).toInt();
    minor = m.captured(2).toInt();
    return true;
}

bool SimOptions::applyFault(const QString &fault, SimCore::Faults &faults, QString *error)
{
    static const QRegularExpression nak(QStringLiteral("^nak-([a-zA-Z])=(\\d+)$"));
    static const QRegularExpression delay(QStringLiteral("^delay=(\\d+)$"));
    if (fault == QLatin1String("silent")) {
        faults.silent = true;
    } else if (fault == QLatin1String("blank-ack")) {
        faults.blankAck = true;
    } else if (fault == QLatin1String("bad-checksum")) {
        faults.badChecksum = true;
    } else if (fault == QLatin1String("unknown-type")) {
        faults.unknownType = true;
    } else if (fault == QLatin1String("no-dst")) {
        faults.noDaylight = true;
    } else if (fault == QLatin1String("invalid-date")) {
        faults.lostClock = true;
    } else if (const auto m = delay.match(fault); m.hasMatch()) {
        faults.delay = std::chrono::milliseconds(m.captured(1).toInt());
    } else if (const auto n = nak.match(fault); n.hasMatch()) {
        faults.naks[n.captured(1).toUpper().at(0).toLatin1()] = n.captured(2).toInt();
    } else {
        if (error)
            *error = QStringLiteral("unknown fault: ") + fault;
        return false;
    }
    return true;
}

QString SimOptions::usage()
{
    return QStringLiteral(
        "usage: linnet-sim [--device PATH] [--pace BAUD] [--rev M.mm] [--main-rev M.mm] [--third-rev M.mm]\n"
        "                  [--option-card 1|2] [--clock-card] [--fault NAME]... [--verbose]\n"
        "Without --device, opens a pseudo-terminal and prints \"PTY <path>\" as its first line.\n"
        "--rev is the second CPU's revision (the one a transfer checks).\n"
        "Faults: silent, blank-ack, bad-checksum, unknown-type, delay=MS, nak-<type>=N (e.g. nak-h=5),\n"
        "        no-dst (no daylight-saving support), invalid-date (the clock reports month 13 until set)\n");
}

bool SimOptions::parse(const QStringList &args, SimOptions &out, QString *error)
{
    auto fail = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        auto value = [&](QString &v) {
            if (i + 1 >= args.size())
                return false;
            v = args.at(++i);
            return true;
        };
        QString v;
        if (arg == QLatin1String("--clock-card")) {
            out.revision.clockCard = true;
        } else if (arg == QLatin1String("--verbose")) {
            out.verbose = true;
        } else if (arg == QLatin1String("--device")) {
            if (!value(out.device))
                return fail(QStringLiteral("--device needs a path"));
        } else if (arg == QLatin1String("--pace")) {
            bool ok = false;
            if (!value(v) || (out.pace = v.toInt(&ok), !ok) || out.pace < 0)
                return fail(QStringLiteral("--pace needs a baud rate"));
        } else if (arg == QLatin1String("--rev") || arg == QLatin1String("--main-rev") ||
                   arg == QLatin1String("--third-rev")) {
            int major = 0, minor = 0;
            if (!value(v) || !parseRevision(v, major, minor))
                return fail(arg + QStringLiteral(" needs a revision such as 2.05"));
            if (arg == QLatin1String("--rev"))
                out.revision.secondMajor = major, out.revision.secondMinor = minor;
            else if (arg == QLatin1String("--main-rev"))
                out.revision.mainMajor = major, out.revision.mainMinor = minor;
            else
                out.revision.thirdMajor = major, out.revision.thirdMinor = minor;
        } else if (arg == QLatin1String("--option-card")) {
            if (!value(v) || v.size() != 1)
                return fail(QStringLiteral("--option-card needs one character (1 or 2 for a card)"));
            out.revision.optionCard = v.at(0).toLatin1();
        } else if (arg == QLatin1String("--fault")) {
            if (!value(v))
                return fail(QStringLiteral("--fault needs a name"));
            if (!applyFault(v, out.faults, error))
                return false;
        } else {
            return fail(QStringLiteral("unknown argument: ") + arg);
        }
    }
    return true;
}
