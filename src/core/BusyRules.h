#pragma once

#include <QString>

class MainWindowHost;

// Commands that must not run while a transfer or a modem dial is under way. The
// decision is made on the loaded windows in load order (the main window is
// index 0): the progress window "frmMsgWait" is captioned with the product
// title, the phone-list window with "Dialing Modem".
namespace BusyRules {
inline const QString kDialingModem = QStringLiteral("Dialing Modem");
inline const QString kProgressWindow = QStringLiteral("frmMsgWait");

// Schedules, all schedules, arch number, class of service, page groups, system, audio.
bool editorsBusy(const MainWindowHost &host, const QString &productTitle);
// Close, Save, Save As.
bool saveBusy(const MainWindowHost &host);
// New, Open, Close All.
bool newOpenBusy(const MainWindowHost &host);
// Help Contents, About.
bool helpBusy(const MainWindowHost &host, const QString &productTitle);
// Date/Time: three windows are open and the third is the progress or the
// dialling window by its caption, or two are open and the second is the
// progress window or the dialling window.
bool dateTimeBusy(const MainWindowHost &host, const QString &productTitle);
// Send and Receive: one or two windows are open besides the main window and
// the latest of them is the dialling window.
bool modemDialling(const MainWindowHost &host);
// The progress window to bring to the front when the frame is double-clicked
// or resized: its index among the loaded windows, or -1.
int progressWindowIndex(const MainWindowHost &host);
} // namespace BusyRules
