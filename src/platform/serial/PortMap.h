#pragma once

#include <QString>

#include <array>

// Port numbers 1-16 name device paths: 1-4 /dev/ttyS0-3, 5-12 /dev/ttyUSB0-7,
// 13-16 /dev/ttyACM0-3, each overridable in settings.ini, section
// "Port Devices", keys "COM1".."COM16". A device given directly (--device)
// wins over every number.
class PortMap {
public:
    static constexpr int kFirstPort = 1;
    static constexpr int kLastPort = 16;

    PortMap();
    // Defaults, then the overrides found in the settings file.
    explicit PortMap(const QString &iniPath);

    static QString defaultDevice(int port);

    // The device of a port number; "" for a number outside 1-16.
    QString devicePath(int port) const;
    void setDevice(int port, const QString &device);

    // A device path used whatever the port number (a simulator's pseudo-terminal).
    void setOverride(const QString &device) { m_override = device; }
    const QString &overrideDevice() const { return m_override; }

private:
    std::array<QString, kLastPort> m_devices;
    QString m_override;
};
