#pragma once

#include "CliCommand.h"

// revs: asks the controller for its revisions, prints the display lines and the
// revision a transfer would check. Exit 0 when the controller answered.
class RevsCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("revs"); }
    QString summary() const override { return QStringLiteral("read the controller's software revisions"); }
    int run(CliSession &session, const QStringList &args) override;
};
