#pragma once

#include "CliCommand.h"

// linnet-cli print FILE.mdb --pdf OUT_DIR [--reports LIST]: the Print dialog's
// reports of a configuration file, one PDF file each. LIST names reports by
// number (0-8) or definition name (bgm, pagegrp, phonlst, sched, event, clid,
// class, dip, clocks), separated by commas; without it every report the Select
// All button would check is printed.
class PrintCliCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("print"); }
    QString summary() const override
    {
        return QStringLiteral("FILE.mdb --pdf OUT_DIR [--reports LIST]  print the reports to PDF files");
    }
    int run(CliSession &session, const QStringList &args) override;
};
