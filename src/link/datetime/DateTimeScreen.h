#pragma once

#include <QString>

// What the Date/Time command shows besides message boxes: the progress window
// in its single-message layout. The tool implements it with its window, the
// command line with nothing.
class DateTimeScreen {
public:
    virtual ~DateTimeScreen() = default;
    virtual void showProgress(const QString &caption, const QString &line) = 0;
    virtual void closeProgress() = 0;
};
