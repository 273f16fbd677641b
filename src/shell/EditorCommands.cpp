#include "shell/EditorCommands.h"

#include "core/AppContext.h"
#include "core/BusyRules.h"
#include "core/Capacities.h"
#include "shell/ChildWindows.h"
#include "ui/WindowRegistry.h"

namespace {
const QString kSchedule = QStringLiteral("frmSched");
}

EditorCommands::EditorCommands(AppContext &context, const WindowRegistry &windows, ChildWindows &children,
                               const MainWindowHost &host)
    : m_context(context), m_windows(windows), m_children(children), m_host(host)
{
}

bool EditorCommands::editorsBusy() const
{
    return BusyRules::editorsBusy(m_host, m_context.state.variant.ProductTitle);
}

void EditorCommands::openUnlessBusy(const QString &name)
{
    if (!editorsBusy())
        m_children.open(name);
}

void EditorCommands::mnuSched_Click(int schedule)
{
    if (schedule < 1 || schedule > Capacities::kSchedules || editorsBusy())
        return;
    if (!m_windows.has(kSchedule))
        return;
    m_context.state.CurrentSchedule = schedule;
    m_children.open(kSchedule, schedule);
}

void EditorCommands::mnuAllSched_Click()
{
    if (editorsBusy())
        return;
    for (int n = Capacities::kSchedules; n >= 1; --n)
        mnuSched_Click(n);
    m_children.cascadeSchedules();
}

void EditorCommands::mnuClocks_Click()
{
    m_children.open(QStringLiteral("frmClock"));
}

void EditorCommands::mnuArchNum_Click()
{
    openUnlessBusy(QStringLiteral("frmClid"));
}

void EditorCommands::mnuClassService_Click()
{
    openUnlessBusy(QStringLiteral("frmClassService"));
}

void EditorCommands::mnuPageGroup_Click()
{
    openUnlessBusy(QStringLiteral("frmPage"));
}

void EditorCommands::mnuSysOpt_Click()
{
    openUnlessBusy(QStringLiteral("frmDip"));
}

void EditorCommands::mnuBGM_Click()
{
    openUnlessBusy(QStringLiteral("frmBgm"));
}

void EditorCommands::QuickMenu(const QString &name)
{
    for (int n = 1; n <= Capacities::kSchedules; ++n) {
        if (name == QStringLiteral("Schedule %1").arg(n)) {
            mnuSched_Click(n);
            return;
        }
    }
    if (name == QLatin1String("Clock")) {
        mnuClocks_Click();
    } else if (name == QLatin1String("Custom Page Groups")) {
        mnuPageGroup_Click();
    } else if (name == QLatin1String("Audio Connections")) {
        mnuBGM_Click();
    } else if (name == QLatin1String("System")) {
        mnuSysOpt_Click();
    } else if (name == QLatin1String("ArchNumber / CLID")) {
        mnuArchNum_Click();
    } else if (name == QLatin1String("Class Of Service")) {
        mnuClassService_Click();
    } else if (name == QLatin1String("All")) {
        mnuAllSched_Click();
        if (m_context.state.ClockBoard)
            mnuClocks_Click();
        mnuSysOpt_Click();
        mnuPageGroup_Click();
        mnuBGM_Click();
        mnuArchNum_Click();
        mnuClassService_Click();
    }
}
