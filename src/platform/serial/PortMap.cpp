#include "platform/serial/PortMap.h"

#include "platform/IniFile.h"

PortMap::PortMap()
{
    for (int port = kFirstPort; port <= kLastPort; ++port)
        m_devices[port - 1] = defaultDevice(port);
}

PortMap::PortMap(const QString &iniPath) : PortMap()
{
    const IniFile ini(iniPath);
    for (int port = kFirstPort; port <= kLastPort; ++port) {
        const QString device =
            ini.readString(QStringLiteral("Port Devices"), QStringLiteral("COM") + QString::number(port)).trimmed();
        if (!device.isEmpty())
            m_devices[port - 1] = device;
    }
}

QString PortMap::defaultDevice(int port)
{
    if (port >= 1 && port <= 4)
        return QStringLiteral("/dev/ttyS") + QString::number(port - 1);
    if (port >= 5 && port <= 12)
        return QStringLiteral("/dev/ttyUSB") + QString::number(port - 5);
    if (port >= 13 && port <= 16)
        return QStringLiteral("/dev/ttyACM") + QString::number(port - 13);
    return {};
}

QString PortMap::devicePath(int port) const
{
    if (!m_override.isEmpty())
        return m_override;
    if (port < kFirstPort || port > kLastPort)
        return {};
    return m_devices[port - 1];
}

void PortMap::setDevice(int port, const QString &device)
{
    if (port >= kFirstPort && port <= kLastPort)
        m_devices[port - 1] = device;
}
