#include "config/BoardConfiguration.h"

#include "config/ConfigRules.h"
#include "config/Schema.h"
#include "core/AppContext.h"
#include "core/MainWindowHost.h"
#include "platform/Database.h"

#include <algorithm>

namespace {
const QString kWindow = QStringLiteral("frmConfig");
const QString kTitle = QStringLiteral("System Configuration");
} // namespace

BoardConfiguration::BoardConfiguration(AppContext &context)
    : m_context(context), m_oldBoards(context.state.ExpansionBoards), m_oldClockBoard(context.state.ClockBoard)
{
}

bool BoardConfiguration::apply(int boards, bool clockBoard)
{
    AppState &state = m_context.state;
    boards = std::clamp(boards, 0, Schema::kMaxExpansionBoards);
    state.ExpansionBoards = boards;
    state.ClockBoard = clockBoard;

    if (boards < m_oldBoards) {
        const auto answer = m_context.prompter.ask(
            QStringLiteral("This configuration change requires removing board(s) from the system.\r\n\r\n"
                           "User programming for these boards will be cleared.  Continue update configuration?"),
            kTitle, Prompter::YesNo, Prompter::Exclamation);
        if (answer != Prompter::AnswerYes) {
            state.ExpansionBoards = m_oldBoards;
            state.ClockBoard = m_oldClockBoard;
            return false;
        }
    }

    if (boards != m_oldBoards) {
        writeFirstRow("Config", "System_Config", boards, "cmdOK");
        markChanged();
    }
    if (clockBoard != m_oldClockBoard) {
        writeFirstRow("ClockDef", "ClockEnabled", clockBoard ? 1 : 0, "cmdOK");
        if (m_context.host)
            m_context.host->setClocksEnabled(clockBoard);
        // The clock board is part of the file as much as the board count: a
        // change of it alone must not be dropped silently when the file closes.
        markChanged();
    }

    const QString work = m_context.paths.TempDbPath();
    if (boards < m_oldBoards) {
        modProject::Validate_Config(work, state, m_context.log);
        modProject::GetTotalEvents(work, state, m_context.log);
    } else if (boards > m_oldBoards) {
        modProject::UpdateDefaults(work, m_oldBoards + 1, boards, m_context.log);
    }
    return true;
}

void BoardConfiguration::writeFirstRow(const char *table, const char *column, int value, const char *procedure)
{
    Database db(m_context.paths.TempDbPath());
    const QString t = QString::fromLatin1(table);
    const QString sql = QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = (SELECT MIN(rowid) FROM %1)")
                            .arg(t, QString::fromLatin1(column));
    if (!db.isOpen() || !db.exec(sql, {value}))
        m_context.log.LogError(ErrNo::DatabaseError, t + QStringLiteral(": ") + db.lastError(), kWindow, kWindow,
                               QString::fromLatin1(procedure));
}

void BoardConfiguration::markChanged()
{
    m_context.state.markUnsaved();
    if (m_context.host)
        m_context.host->setSaveEnabled(true);
}
