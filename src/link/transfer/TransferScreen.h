#pragma once

#include <QString>

class ProgressSink;

// What the Send and Receive commands show besides message boxes: the progress
// window, the main window's enabled state and the exceptions window. The tool
// implements it with its windows, the command line with standard output.
class TransferScreen {
public:
    virtual ~TransferScreen() = default;

    // The progress window: shown (not modal) and closed; sink() is called on the
    // command's own thread, linkSink() from the link thread.
    virtual void showProgress() = 0;
    virtual void closeProgress() = 0;
    virtual ProgressSink &sink() = 0;
    virtual ProgressSink &linkSink() = 0;

    virtual void setMainWindowEnabled(bool enabled) = 0;
    // The exceptions message window with its log-file name.
    virtual void showExceptions(const QString &text, const QString &logFileName) = 0;
};
