#pragma once

#include "CliCommand.h"

// linnet-cli datetime [--set-now]: the Date/Time command without its dialog.
// Prints the controller's date, time and daylight-saving state; with
// --set-now it then sets the controller's clock from the PC's.
class DateTimeCliCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("datetime"); }
    QString summary() const override
    {
        return QStringLiteral("[--set-now]  print the controller's date and time, or set it from the PC");
    }
    int run(CliSession &session, const QStringList &args) override;
};
