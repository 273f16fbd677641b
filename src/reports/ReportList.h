#pragma once

#include <QString>

#include <array>

// The nine reports of the Print dialog, in the order they are listed and
// printed: the check box caption and the definition file (relative to the
// application folder; looked up without regard to letter case).
struct ReportEntry {
    const char *caption;
    const char *definition;
};

namespace ReportList {
constexpr int kCount = 9;
constexpr int kClockOptions = 8; // shown only with a clock board

constexpr std::array<ReportEntry, kCount> kEntries{{
    {" Audio Connections", "reports\\Bgm.rpt"},
    {" Custom Page Groups", "reports\\PageGrp.rpt"},
    {" Phone List", "reports\\Phonlst.rpt"},
    {" Schedule - Active Days", "reports\\sched.rpt"},
    {" Schedule - Events", "reports\\event.rpt"},
    {" ArchNumber / CLID", "reports\\Clid.rpt"},
    {" Class of Service", "reports\\class.rpt"},
    {" System Options", "reports\\dip.rpt"},
    {" Clock Options", "reports\\clocks.rpt"},
}};

QString caption(int index);
// "Bgm", "PageGrp", ...: the definition's file name without folder and extension.
QString stem(int index);
// The definition's full path: appDir, a separator, and the entry with "/" for "\".
QString definitionPath(const QString &appDir, int index);
// The existing file for that path found without regard to letter case (the
// path itself when there is none).
QString resolvedDefinitionPath(const QString &appDir, int index);
// The index of a report named by its number (0-8) or its stem in any letter
// case ("event", "CLID"); -1 when it names none.
int find(const QString &name);
} // namespace ReportList
