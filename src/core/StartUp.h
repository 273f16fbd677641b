#pragma once

#include <QSize>
#include <QString>

#include <memory>

class QLockFile;
struct AppContext;
struct SettingsValues;

// What start-up asks of the main window. The main window implements it; tests
// give a fake, so the order of the steps is checked without a screen.
class StartUpHost {
public:
    virtual ~StartUpHost() = default;
    // The window's design size and the screen's size, in twips.
    virtual QSize designSizeTwips() const = 0;
    virtual QSize screenSizeTwips() const = 0;
    // Maximises the window, or sizes it (twips) and centres it on the screen.
    virtual void placeMainWindow(QSize sizeTwips, bool maximised) = 0;
    virtual bool SetProjectOptions() = 0;
    // Shows the splash window modally until it closes itself.
    virtual void showSplash() = 0;
    // Back to the state with no configuration open; false when a required file
    // is missing (the user has been told) and the tool must end.
    virtual bool initializeWindow() = 0;
    virtual void setHelpFile(const QString &path) = 0;
    virtual void DisplayFileArray() = 0;
    virtual void disableModemRelease() = 0;
};

// The start-up sequence of the tool, from reading the settings to the menus of
// the state with no configuration open. Holds the single-instance lock of the
// application folder for as long as it lives.
class StartUp {
public:
    explicit StartUp(AppContext &context);
    ~StartUp();

    // Runs every step in order; false when the tool must end (the reason has
    // been shown or logged).
    bool run(StartUpHost &host, bool showSplash);
    // The same steps for a program without windows (the command line): the
    // settings, the errors database, the variant, the single-instance lock on
    // the application folder, the default database and the revisions. False
    // when the program must end (the reason went through the prompter).
    bool runWithoutWindows();

    // The main window's size rule: a saved size under half the design size is
    // replaced by the design size; screens under 10000 x 8000 twips get a
    // maximised window.
    static QSize mainWindowSize(QSize designTwips, QSize screenTwips, SettingsValues &settings, bool *maximised);

    // Restores a missing errors database from its "Bak", then its "old" copy;
    // false (after telling the user) when neither could be copied.
    bool restoreErrorsDatabase();
    // Checks the errors database; a damaged one, or one without its Error table
    // (an empty file), is rebuilt from a usable copy or recreated empty from the
    // template, and the new log says so.
    void repairErrorsDatabase();
    // Refuses a second instance on the same application folder.
    bool acquireSingleInstance();
    // Checks the default database; a damaged one is restored from the template.
    void repairDefaultDatabase();

    static QString lockFileName() { return QStringLiteral(".linnet-tool.lock"); }

private:
    void logLoad(int number, const QString &text);
    // Trace switches off, the tool's and the supported controller's revisions.
    void resetSessionState();

    AppContext &m_context;
    std::unique_ptr<QLockFile> m_lock;
};
