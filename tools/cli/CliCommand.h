#pragma once

#include <QString>
#include <QStringList>

class CliSession;

// One command of linnet-cli ("revs", ...). Commands print their results on
// standard output and their problems on standard error.
class CliCommand {
public:
    virtual ~CliCommand() = default;
    virtual QString name() const = 0;
    virtual QString summary() const = 0;
    // args: what follows the command name. Returns the exit status.
    virtual int run(CliSession &session, const QStringList &args) = 0;
};

// Exit statuses shared by the commands.
namespace CliExit {
constexpr int Ok = 0;
constexpr int NoController = 1; // the port could not be opened or the controller did not answer
constexpr int Usage = 2;
constexpr int Setup = 3;          // the application folder could not be prepared
constexpr int TransferFailed = 4; // the transfer ended without its completion message
constexpr int Refused = 5;        // the configuration file was refused: invalid, or values the controller cannot take
constexpr int PrintFailed = 6;    // a report could not be printed
} // namespace CliExit
