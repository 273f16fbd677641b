#include "TransferCliCommands.h"

#include "CliSession.h"
#include "ConfigurationFile.h"
#include "config/AtomicDatabaseWriter.h"
#include "config/FileLifecycle.h"
#include "config/ValueCheck.h"
#include "core/OwnFiles.h"
#include "core/ProgressSink.h"
#include "link/records/RecordSenders.h"
#include "link/records/TransferLink.h"
#include "link/transfer/SendOrder.h"
#include "link/transfer/TransferCommands.h"
#include "link/transfer/TransferEngine.h"
#include "link/transfer/TransferScreen.h"
#include "platform/Database.h"

#include <QFile>
#include <QFileInfo>

namespace {
// Prints what the progress window would show, each change once.
class ConsoleScreen : public TransferScreen, public ProgressSink {
public:
    ConsoleScreen(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    void showProgress() override {}
    void closeProgress() override {}
    ProgressSink &sink() override { return *this; }
    ProgressSink &linkSink() override { return *this; }
    void setMainWindowEnabled(bool) override {}
    void showExceptions(const QString &text, const QString &logFileName) override
    {
        m_err << text << " (" << logFileName << ")" << Qt::endl;
    }

    void WhatToDisplay(const QString &label, const QString &text, int percent) override
    {
        const QString line = QStringLiteral("%1 %2 %3 %").arg(label, text).arg(percent).simplified();
        if (line != m_last)
            m_out << line << Qt::endl;
        m_last = line;
    }
    void SetModemComm() override {}
    void SetModemRelease() override {}
    void ChangeCaption(const QString &) override {}

private:
    QTextStream &m_out;
    QTextStream &m_err;
    QString m_last;
};

// Collects the bodies the senders build, acknowledging each.
class CollectingLink : public TransferLink {
public:
    bool Send_Msg(const QString &body) override
    {
        bodies << body;
        return true;
    }
    void writeCommLog(const QString &line) override { problems << line; }
    void setExceptionsOccurred() override {}
    QStringList bodies, problems;
};

int transfer(CliSession &session, bool send)
{
    AppContext &context = session.context();
    ConsoleScreen screen(session.out(), session.err());
    TransferEngine engine(session.comm(), context.state, context.log, context.paths);
    FileLifecycle lifecycle(context);
    TransferCommands::Hooks hooks;
    if (!session.options().pause)
        hooks.pause = [](int) {};
    // Data from a controller older than the tool is brought up to date, as the tool does.
    hooks.updateData = [&lifecycle] { lifecycle.UpdateData(); };
    TransferCommands commands(context, engine, screen, std::move(hooks));
    if (send)
        commands.mnuSend_Click();
    else
        commands.mnuRx_Click();
    if (commands.refused())
        return CliExit::Refused;
    if (commands.succeeded())
        return CliExit::Ok;
    // As in the tool: the failure message is followed by why the port could not be opened.
    if (!session.comm().port().isOpen() && !session.comm().openFailure().isEmpty())
        session.err() << session.comm().openFailure() << Qt::endl;
    return CliExit::TransferFailed;
}
} // namespace

int SendCliCommand::run(CliSession &session, const QStringList &args)
{
    QStringList rest = args;
    const bool yes = rest.removeAll(QStringLiteral("--yes")) > 0;
    if (rest.size() != 1) {
        session.err() << "usage: send [--yes] FILE.mdb" << Qt::endl;
        return CliExit::Usage;
    }
    const QString file = QFileInfo(rest.first()).absoluteFilePath();
    if (const QString refused = OwnFiles::refusal(session.context().paths, file, QStringLiteral("sent"));
        !refused.isEmpty()) {
        session.err() << refused << Qt::endl;
        return CliExit::Usage;
    }
    if (workingCopyHoldsUnsavedWork(session))
        return CliExit::Setup;
    if (!openConfiguration(session, file))
        return CliExit::Refused;
    // Queued only now, so that a message of the opening cannot take the answer
    // meant for the revision question.
    if (yes)
        session.prompter().answer(Prompter::AnswerYes);
    return transfer(session, true);
}

int ReceiveCliCommand::run(CliSession &session, const QStringList &args)
{
    if (args.size() != 1) {
        session.err() << "usage: receive OUT.mdb" << Qt::endl;
        return CliExit::Usage;
    }
    const QString target = QFileInfo(args.first()).absoluteFilePath();
    const QString refused =
        OwnFiles::refusal(session.context().paths, target, QStringLiteral("the output of a receive"));
    if (!refused.isEmpty()) {
        session.err() << refused << Qt::endl;
        return CliExit::Usage;
    }
    if (workingCopyHoldsUnsavedWork(session))
        return CliExit::Setup;
    const int status = transfer(session, false);
    if (status != CliExit::Ok)
        return status;
    // Written and flushed beside the target, then renamed over it: a crash at
    // any moment leaves the previous file or the complete new one.
    AtomicDatabaseWriter writer;
    if (writer.write(session.context().paths.TempDbPath(), target) != AtomicDatabaseWriter::Outcome::Written) {
        session.err() << "cannot write " << target << ": " << writer.lastError() << Qt::endl;
        return CliExit::Setup;
    }
    session.out() << "Saved " << target << Qt::endl;
    return CliExit::Ok;
}

int DumpCliCommand::run(CliSession &session, const QStringList &args)
{
    if (args.size() != 1) {
        session.err() << "usage: dump FILE.mdb" << Qt::endl;
        return CliExit::Usage;
    }
    const QString refused = OwnFiles::refusal(session.context().paths, args.first(), QStringLiteral("dumped"));
    if (!refused.isEmpty()) {
        session.err() << refused << Qt::endl;
        return CliExit::Usage;
    }
    if (workingCopyHoldsUnsavedWork(session))
        return CliExit::Setup;
    // Standard output carries the bodies only.
    session.setPromptsToStandardError(true);
    if (!openConfiguration(session, args.first()))
        return CliExit::Refused;
    AppContext &context = session.context();
    Database db(context.paths.TempDbPath(), Database::Mode::ReadOnly);
    if (const QList<ValueCheck::Problem> problems = ValueCheck::check(db); !problems.isEmpty()) {
        session.err() << ValueCheck::message(problems).replace(QLatin1String("\r\n"), QLatin1String("\n")) << Qt::endl;
        return CliExit::Refused;
    }
    CollectingLink link;
    TransferFlags flags;
    RecordSenders senders(db, context.state, link, context.log, flags);
    // The order of a send, after its start request, ending where a send ends.
    link.bodies << QStringLiteral("S");
    for (const SendStep &step : kSendOrder) {
        (senders.*step.send)();
        if (flags.AllDone || flags.AbortSession)
            break;
    }
    for (const QString &body : link.bodies)
        session.out() << body << Qt::endl;
    for (const QString &line : link.problems)
        session.err() << line << Qt::endl;
    return link.problems.isEmpty() && !flags.AbortSession ? CliExit::Ok : CliExit::TransferFailed;
}
