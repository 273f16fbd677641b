#pragma once

#include "CliCommand.h"

// linnet-cli send FILE.mdb: the Send command's sequence without windows.
class SendCliCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("send"); }
    QString summary() const override
    {
        return QStringLiteral("[--yes] FILE.mdb  send a configuration to the controller");
    }
    int run(CliSession &session, const QStringList &args) override;
};

// linnet-cli receive OUT.mdb: the Receive command's sequence, saved to OUT.mdb.
class ReceiveCliCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("receive"); }
    QString summary() const override { return QStringLiteral("OUT.mdb  receive the controller's configuration"); }
    int run(CliSession &session, const QStringList &args) override;
};

// linnet-cli dump FILE.mdb: the bodies a send of FILE.mdb would transmit.
class DumpCliCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("dump"); }
    QString summary() const override { return QStringLiteral("FILE.mdb  print the messages a send would transmit"); }
    int run(CliSession &session, const QStringList &args) override;
};
