#include "TransferCliCommands.h"

#include "CliSession.h"
#include "config/AtomicDatabaseWriter.h"
#include "config/UnsavedMarker.h"
#include "config/ValidityCheck.h"
#include "link/ProgressSink.h"
#include "link/records/RecordSenders.h"
#include "link/records/TransferLink.h"
#include "link/transfer/SendOrder.h"
#include "link/transfer/TransferCommands.h"
#include "link/transfer/TransferEngine.h"
#include "link/transfer/TransferScreen.h"
#include "platform/Database.h"
#include "shell/OwnFiles.h"

#include <QFile>
#include <QFileInfo>

namespace {
constexpr int kTransferFailed = 4;

// Prints what the progress window would show, each change once.
class ConsoleScreen : public TransferScreen, public ProgressSink {
public:
    explicit ConsoleScreen(QTextStream &out) : m_out(out) {}

    void showProgress() override {}
    void closeProgress() override {}
    ProgressSink &sink() override { return *this; }
    ProgressSink &linkSink() override { return *this; }
    void setMainWindowEnabled(bool) override {}
    void showExceptions(const QString &text, const QString &logFileName) override
    {
        m_out << text << " (" << logFileName << ")" << Qt::endl;
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

// Checks a configuration file as opening it in the tool does and reads the
// values the transfer needs; false with the reasons.
bool readProgrammingState(const QString &file, AppState &state, QString *error)
{
    Database db(file, Database::Mode::ReadOnly);
    const ValidityCheck::Result check =
        db.isOpen() ? ValidityCheck::check(db) : ValidityCheck::Result{false, 0, 0, false, {db.lastError()}};
    if (!check.valid) {
        *error = QStringLiteral("%1 is not a valid configuration file: %2").arg(file, check.problems.join(u"; "));
        return false;
    }
    state.ExpansionBoards = check.expansionBoards;
    state.ClockBoard = check.clockBoard;
    state.TotalEvents = check.totalEvents;
    return true;
}

void echoPrompts(CliSession &session)
{
    session.prompter().setEcho([&session](const ScriptedPrompter::Prompt &prompt, Prompter::Answer answer) {
        session.out() << prompt.text;
        if (prompt.buttons == Prompter::YesNo)
            session.out() << (answer == Prompter::AnswerYes ? " Yes" : " No");
        session.out() << Qt::endl;
    });
}

// Send and receive overwrite the working copy. While it holds changes the
// tool has not saved (it was killed, or is running with them), they are left
// for the tool to recover: true, with the message, when that is the case.
bool workingCopyHoldsUnsavedWork(CliSession &session)
{
    const AppPaths &paths = session.context().paths;
    if (!UnsavedMarker(paths.UnsavedMarkerPath()).exists())
        return false;
    session.err() << "The working copy " << paths.TempDbPath()
                  << " holds changes the Programming Tool has not saved. Start the tool to recover or discard them, "
                     "then try again."
                  << Qt::endl;
    return true;
}

int transfer(CliSession &session, bool send)
{
    AppContext &context = session.context();
    ConsoleScreen screen(session.out());
    TransferEngine engine(session.comm(), context.state, context.log, context.paths);
    TransferCommands::Hooks hooks;
    if (!session.options().pause)
        hooks.pause = [](int) {};
    TransferCommands commands(context, engine, screen, std::move(hooks));
    if (send)
        commands.mnuSend_Click();
    else
        commands.mnuRx_Click();
    return commands.succeeded() ? CliExit::Ok : kTransferFailed;
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
    AppContext &context = session.context();
    if (const QString refused = OwnFiles::refusal(context.paths, file, QStringLiteral("sent")); !refused.isEmpty()) {
        session.err() << refused << Qt::endl;
        return CliExit::Usage;
    }
    QString error;
    if (!readProgrammingState(file, context.state, &error)) {
        session.err() << error << Qt::endl;
        return CliExit::Usage;
    }
    if (workingCopyHoldsUnsavedWork(session))
        return CliExit::Setup;
    const QString working = context.paths.TempDbPath();
    if (!context.files.fcnCopyFile(file, working)) {
        session.err() << "cannot copy " << file << " to " << working << Qt::endl;
        return CliExit::Setup;
    }
    QFile::setPermissions(working, QFile::permissions(working) | QFile::WriteOwner);
    context.state.CurrentFileName = file;
    if (yes)
        session.prompter().answer(Prompter::AnswerYes);
    echoPrompts(session);
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
    echoPrompts(session);
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
    AppState state;
    QString error;
    if (!readProgrammingState(args.first(), state, &error)) {
        session.err() << error << Qt::endl;
        return CliExit::Usage;
    }
    Database db(args.first(), Database::Mode::ReadOnly);
    CollectingLink link;
    TransferFlags flags;
    RecordSenders senders(db, state, link, session.context().log, flags);
    // The order of a send, after its start request.
    link.bodies << QStringLiteral("S");
    for (const SendStep &step : kSendOrder)
        (senders.*step.send)();
    for (const QString &body : link.bodies)
        session.out() << body << Qt::endl;
    for (const QString &line : link.problems)
        session.err() << line << Qt::endl;
    return link.problems.isEmpty() ? CliExit::Ok : kTransferFailed;
}
