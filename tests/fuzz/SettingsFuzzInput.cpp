#include "SettingsFuzzInput.h"

#include "core/AppContext.h"
#include "core/SettingsFile.h"
#include "platform/Registry.h"
#include "platform/ScriptedPrompter.h"
#include "platform/serial/PortMap.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
struct SettingsHarness {
    QTemporaryDir dir;
    AppPaths paths{dir.path()};
    ScriptedPrompter prompter;
    FixedRegistry registry{QStringLiteral("6.0.2900.2180")};
    AppContext context{paths, prompter, registry};
};

QString describe(const SettingsValues &s)
{
    return QStringLiteral("port %1, height %2, width %3, files [%4]")
        .arg(s.CommPort)
        .arg(s.MdiHeight)
        .arg(s.MdiWidth)
        .arg(QStringList(s.FileArray.begin(), s.FileArray.end()).join(u'|'));
}
} // namespace

QString fuzzSettingsInput(const std::uint8_t *data, std::size_t size)
{
    static SettingsHarness h;
    const QString ini = h.paths.IniFilePath();
    {
        QFile f(ini);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QStringLiteral("cannot write ") + ini;
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    AppState &state = h.context.state;
    state.settings = SettingsValues{};
    modProject::ReadIniFile(h.context);
    modProject::getSwitchBoardValues(h.context);
    const PortMap ports(ini);
    for (int port = PortMap::kFirstPort; port <= PortMap::kLastPort; ++port)
        ports.devicePath(port);

    const SettingsValues read = state.settings;
    if (read.CommPort < PortMap::kFirstPort || read.CommPort > PortMap::kLastPort)
        return QStringLiteral("port out of range: ") + describe(read);
    modProject::SaveIniFile(h.context);
    modProject::PutSwitchBoardVal(h.context);
    state.settings = SettingsValues{};
    modProject::ReadIniFile(h.context);
    modProject::getSwitchBoardValues(h.context);
    const SettingsValues &again = state.settings;
    if (again.CommPort != read.CommPort || again.MdiHeight != read.MdiHeight || again.MdiWidth != read.MdiWidth ||
        again.FileArray != read.FileArray || again.SwitchBoardTop != read.SwitchBoardTop ||
        again.SwitchBoardLeft != read.SwitchBoardLeft || again.SwitchBoardWidth != read.SwitchBoardWidth ||
        again.SwitchBoardHeight != read.SwitchBoardHeight)
        return QStringLiteral("read ") + describe(read) + QStringLiteral(", saved and read again ") + describe(again);
    return {};
}
