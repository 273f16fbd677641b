#pragma once

#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class FileCommands;
struct AppContext;

// What shut-down asks of the main window. The main window implements it; tests
// give a fake, so the order of the steps is checked without a screen.
class ShutDownHost {
public:
    virtual ~ShutDownHost() = default;
    // A configuration is open (the Close command is enabled).
    virtual bool closeEnabled() const = 0;
    // A modem link is up (the Modem Release command is enabled).
    virtual bool modemReleaseEnabled() const = 0;
    // The window's size now, in twips, kept in the settings for the next start.
    virtual QSize windowSizeTwips() const = 0;
    virtual void setBusyCursor(bool busy) = 0;
    // Unloads every window besides the main window, the help window included.
    virtual void unloadAllWindows() = 0;
};

// The shut-down sequences of the tool: the main window's close (which the user
// may cancel), the unload that follows it, and the shut-down for a termination
// signal, which asks nothing. Releasing the modem, closing the serial link and
// the Modem Release command belong to the link, so they are given as callbacks.
class ShutDown {
public:
    struct Callbacks {
        std::function<bool()> releaseModem; // false when the modem did not release
        std::function<void()> exitComm;
        std::function<void()> modemReleaseCommand; // the Modem Release menu command
    };

    ShutDown(AppContext &context, ShutDownHost &host);

    void setFileCommands(FileCommands *commands) { m_fileCommands = commands; }
    Callbacks &callbacks() { return m_callbacks; }

    // The main window is asked to close: closes the configuration, saves the
    // settings, releases the modem, closes the serial link and compacts the
    // errors database, whatever the user answers. False when the window stays
    // open (Close was cancelled, or the user kept a modem that did not release).
    bool queryClose();
    // The window goes: the modem once more, the serial link, every other window.
    void unload();
    // A termination signal: the working copy is kept when it holds unsaved
    // work, and a modem that does not release is logged, not asked about.
    void withoutQuestions();

    static inline const QString kModemTitle = QStringLiteral("System Configuration");
    static inline const QString kModemBeingReleased = QStringLiteral("Modem is being Released. ");
    static inline const QString kShutDownAnyway = QStringLiteral("Modem Release Unsuccessful. Shut down anyway?");
    static inline const QString kTryAgain = QStringLiteral("Modem Release Unsuccessful. Do you want to try again?");

private:
    // A release under way is only mentioned (the answer changes nothing); an
    // open modem link is released. The answer to failedQuestion when the
    // release failed; nothing otherwise. Without a question nothing is asked
    // and a failed release is logged.
    std::optional<bool> releaseModem(const QString &failedQuestion);
    void saveSettings();
    void exitComm();

    AppContext &m_context;
    ShutDownHost &m_host;
    FileCommands *m_fileCommands = nullptr;
    Callbacks m_callbacks;
};
