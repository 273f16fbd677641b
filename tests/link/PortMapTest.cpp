#include "platform/serial/PortMap.h"
#include "TempAppFolder.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

TEST(PortMap, DefaultsSettingsAndDirectDevice)
{
    PortMap defaults;
    const QList<std::pair<int, QString>> expected = {{1, "/dev/ttyS0"},
                                                     {4, "/dev/ttyS3"},
                                                     {5, "/dev/ttyUSB0"},
                                                     {12, "/dev/ttyUSB7"},
                                                     {13, "/dev/ttyACM0"},
                                                     {16, "/dev/ttyACM3"},
                                                     {0, ""},
                                                     {17, ""}};
    for (const auto &[port, device] : expected)
        EXPECT_EQ(defaults.devicePath(port), device) << port;

    TempAppFolder app;
    const QString ini = app.context().paths.IniFilePath();
    IniFile(ini).write(QStringLiteral("Port Devices"), QStringLiteral("COM3"), QStringLiteral("/dev/serial/by-id/x"));
    IniFile(ini).write(QStringLiteral("Port Devices"), QStringLiteral("COM16"), QStringLiteral("  "));
    PortMap fromSettings(ini);
    EXPECT_EQ(fromSettings.devicePath(3), QStringLiteral("/dev/serial/by-id/x"));
    EXPECT_EQ(fromSettings.devicePath(16), QStringLiteral("/dev/ttyACM3"));

    fromSettings.setOverride(QStringLiteral("/dev/pts/7"));
    EXPECT_EQ(fromSettings.devicePath(3), QStringLiteral("/dev/pts/7"));
    EXPECT_EQ(fromSettings.devicePath(0), QStringLiteral("/dev/pts/7"));
}
