#include "core/SettingsFile.h"

#include "core/AppContext.h"
#include "core/INIClass.h"

namespace {
const QString kSystem = QStringLiteral("System");
const QString kLastFiles = QStringLiteral("Last Files");
const QString kComPort = QStringLiteral("Com Port");
const QString kDebug = QStringLiteral("Debug");
const QString kMdiHeight = QStringLiteral("MDI Height");
const QString kMdiWidth = QStringLiteral("MDI Width");
// The key names carry their historic misspellings: existing settings files use them.
const QString kSwitchBoardTop = QStringLiteral("SwitchBorad Top");
const QString kSwitchBoardLeft = QStringLiteral("SwitchBorad Left");
const QString kSwitchBoardWidth = QStringLiteral("SwitchBorad Width");
const QString kSwitchBoardHeight = QStringLiteral("SwitchBorad Heigth");

constexpr int kLowestPort = 1;
constexpr int kHighestPort = 16;

INIClass section(const AppContext &context, const QString &name)
{
    INIClass ini;
    ini.SetFileName(context.paths.IniFilePath());
    ini.SetSectionName(name);
    return ini;
}

QString fileKey(int n)
{
    return QStringLiteral("File ") + QString::number(n);
}
} // namespace

namespace modProject {

void ReadIniFile(AppContext &context)
{
    SettingsValues &s = context.state.settings;
    const INIClass ini = section(context, kSystem);
    s.CommPort = ini.ReadINT_From_INI(kComPort);
    if (s.CommPort < kLowestPort || s.CommPort > kHighestPort)
        s.CommPort = kLowestPort;
    s.DebugMenu = ini.ReadINT_From_INI(kDebug);
    s.MdiHeight = ini.ReadINT_From_INI(kMdiHeight);
    s.MdiWidth = ini.ReadINT_From_INI(kMdiWidth);
    GetFileArray(context);
}

void SaveIniFile(AppContext &context)
{
    const SettingsValues &s = context.state.settings;
    const INIClass ini = section(context, kSystem);
    ini.WriteINI(kComPort, QString::number(s.CommPort));
    ini.WriteINI(kMdiHeight, QString::number(s.MdiHeight));
    ini.WriteINI(kMdiWidth, QString::number(s.MdiWidth));
    PutFileArray(context);
}

void GetFileArray(AppContext &context)
{
    const INIClass ini = section(context, kLastFiles);
    auto &files = context.state.settings.FileArray;
    for (int i = 1; i <= int(files.size()); ++i)
        files[i - 1] = ini.ReadString_From_INI(fileKey(i));
}

void PutFileArray(AppContext &context)
{
    const INIClass ini = section(context, kLastFiles);
    const auto &files = context.state.settings.FileArray;
    for (int i = 1; i <= int(files.size()); ++i)
        ini.WriteINI(fileKey(i), files[i - 1]);
}

void getSwitchBoardValues(AppContext &context)
{
    SettingsValues &s = context.state.settings;
    const INIClass ini = section(context, kSystem);
    s.SwitchBoardTop = ini.ReadINT_From_INI(kSwitchBoardTop);
    s.SwitchBoardLeft = ini.ReadINT_From_INI(kSwitchBoardLeft);
    s.SwitchBoardWidth = ini.ReadINT_From_INI(kSwitchBoardWidth);
    s.SwitchBoardHeight = ini.ReadINT_From_INI(kSwitchBoardHeight);
}

void PutSwitchBoardVal(AppContext &context)
{
    const SettingsValues &s = context.state.settings;
    const INIClass ini = section(context, kSystem);
    ini.WriteINI(kSwitchBoardTop, QString::number(s.SwitchBoardTop));
    ini.WriteINI(kSwitchBoardLeft, QString::number(s.SwitchBoardLeft));
    ini.WriteINI(kSwitchBoardWidth, QString::number(s.SwitchBoardWidth));
    ini.WriteINI(kSwitchBoardHeight, QString::number(s.SwitchBoardHeight));
}

} // namespace modProject
