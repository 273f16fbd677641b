#include "CliSession.h"

#include "core/StartUp.h"

CliSession::CliSession(const Options &options) : m_options(options), m_out(stdout), m_err(stderr)
{
    m_prompter.setEcho(
        [this](const ScriptedPrompter::Prompt &prompt, Prompter::Answer answer) { echo(prompt, answer); });
}

CliSession::~CliSession() = default;

void CliSession::echo(const ScriptedPrompter::Prompt &prompt, Prompter::Answer answer)
{
    // A question and its answer belong to the command's dialogue; a message
    // with a warning icon reports a problem.
    const bool problem =
        prompt.buttons == Prompter::Ok && (prompt.icon == Prompter::Exclamation || prompt.icon == Prompter::Critical);
    QTextStream &stream = problem || m_promptsToError ? m_err : m_out;
    stream << QString(prompt.text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (prompt.buttons == Prompter::YesNo)
        stream << (answer == Prompter::AnswerYes ? " Yes" : " No");
    stream << Qt::endl;
}

bool CliSession::prepare(QString *error)
{
    const AppPaths paths(m_options.appDir.isEmpty() ? AppPaths::defaultAppDir() : m_options.appDir);
    if (!paths.seedFromTemplates(error))
        return false;
    m_context = std::make_unique<AppContext>(paths, m_prompter, m_registry);
    m_startUp = std::make_unique<StartUp>(*m_context);
    if (!m_startUp->runWithoutWindows()) {
        error->clear(); // the prompter has printed why
        return false;
    }
    AppState &state = m_context->state;
    state.DebugTrace = m_options.trace;
    if (m_options.port != 0)
        state.settings.CommPort = qint16(m_options.port);

    m_ports = PortMap(paths.IniFilePath());
    m_ports.setOverride(m_options.device);
    m_comm = std::make_unique<ModComm>(m_port, m_ports, state, m_context->log, m_context->paths, m_context->clock);
    return true;
}
