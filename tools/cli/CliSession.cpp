#include "CliSession.h"

#include "platform/IniFile.h"

#include <cstdio>

CliSession::CliSession(const Options &options) : m_options(options), m_out(stdout), m_err(stderr)
{
    m_prompter.setEcho([this](const ScriptedPrompter::Prompt &prompt, Prompter::Answer answer) {
        static const char *const answers[] = {"OK", "Cancel", "Yes", "No"};
        m_out << "[" << prompt.title << "] " << QString(prompt.text).replace(QLatin1String("\r\n"), QLatin1String("\n"))
              << " -> " << answers[answer] << Qt::endl;
    });
}

bool CliSession::prepare(QString *error)
{
    const AppPaths paths(m_options.appDir.isEmpty() ? AppPaths::defaultAppDir() : m_options.appDir);
    if (!paths.seedFromTemplates(error))
        return false;
    m_context = std::make_unique<AppContext>(paths, m_prompter, m_registry);
    AppState &state = m_context->state;
    state.DebugTrace = m_options.trace;

    const IniFile ini(paths.IniFilePath());
    state.settings.CommPort = ini.readInt(QStringLiteral("System"), QStringLiteral("Com Port"));
    if (state.settings.CommPort < PortMap::kFirstPort || state.settings.CommPort > PortMap::kLastPort)
        state.settings.CommPort = PortMap::kFirstPort;
    if (m_options.port != 0)
        state.settings.CommPort = qint16(m_options.port);

    m_ports = PortMap(paths.IniFilePath());
    m_ports.setOverride(m_options.device);
    m_comm = std::make_unique<ModComm>(m_port, m_ports, state, m_context->log, m_context->paths, m_context->clock);
    return true;
}
