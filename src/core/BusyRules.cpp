#include "core/BusyRules.h"

#include "core/MainWindowHost.h"

namespace BusyRules {
namespace {
bool isProgressWindow(const MainWindowHost &host, int index)
{
    return host.loadedWindowName(index).compare(kProgressWindow, Qt::CaseInsensitive) == 0;
}
} // namespace

bool editorsBusy(const MainWindowHost &host, const QString &productTitle)
{
    if (host.loadedWindowCount() != 3)
        return false;
    const QString caption = host.loadedWindowCaption(2);
    return caption == productTitle || caption == kDialingModem;
}

bool saveBusy(const MainWindowHost &host)
{
    return host.loadedWindowCount() == 3 && host.loadedWindowCaption(2) == kDialingModem;
}

bool newOpenBusy(const MainWindowHost &host)
{
    return host.loadedWindowCount() == 2 && host.loadedWindowCaption(1) == kDialingModem;
}

bool helpBusy(const MainWindowHost &host, const QString &productTitle)
{
    const int count = host.loadedWindowCount();
    if (count == 3)
        return host.loadedWindowCaption(2) == productTitle;
    if (count == 2)
        return isProgressWindow(host, 1) || host.loadedWindowCaption(1) == kDialingModem;
    return false;
}

bool dateTimeBusy(const MainWindowHost &host, const QString &productTitle)
{
    const int count = host.loadedWindowCount();
    if (count == 3) {
        const QString caption = host.loadedWindowCaption(2);
        return caption == productTitle || caption == kDialingModem;
    }
    if (count == 2)
        return isProgressWindow(host, 1) || host.loadedWindowCaption(1) == kDialingModem;
    return false;
}

bool modemDialling(const MainWindowHost &host)
{
    const int count = host.loadedWindowCount();
    return (count == 2 || count == 3) && host.loadedWindowCaption(count - 1) == kDialingModem;
}

int progressWindowIndex(const MainWindowHost &host)
{
    const int count = host.loadedWindowCount();
    if (count == 3 && isProgressWindow(host, 2))
        return 2;
    if (count == 2 && isProgressWindow(host, 1))
        return 1;
    return -1;
}
} // namespace BusyRules
