#include "core/StartUp.h"

#include "core/AppContext.h"
#include "core/RequiredFiles.h"
#include "core/SettingsFile.h"
#include "core/Variant.h"
#include "platform/Database.h"

#include <QFileInfo>
#include <QLockFile>

namespace {
constexpr int kSmallScreenHeight = 8000; // twips
constexpr int kSmallScreenWidth = 10000;

bool soundDatabase(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    Database db(path);
    return db.isOpen() && db.integrityCheck();
}
} // namespace

StartUp::StartUp(AppContext &context) : m_context(context)
{
}

StartUp::~StartUp() = default;

void StartUp::logLoad(int number, const QString &text)
{
    m_context.log.LogError(number, text, QStringLiteral("frmMenu"), QStringLiteral("frmMenu"), QStringLiteral("Load"));
}

QSize StartUp::mainWindowSize(QSize designTwips, QSize screenTwips, SettingsValues &settings, bool *maximised)
{
    if (designTwips.height() / 2 > settings.MdiHeight)
        settings.MdiHeight = designTwips.height();
    if (designTwips.width() / 2 > settings.MdiWidth)
        settings.MdiWidth = designTwips.width();
    *maximised = screenTwips.height() < kSmallScreenHeight && screenTwips.width() < kSmallScreenWidth;
    return QSize(settings.MdiWidth, settings.MdiHeight);
}

bool StartUp::restoreErrorsDatabase()
{
    FileOps &files = m_context.files;
    const QString errors = m_context.paths.ErrorsDbPath();
    if (files.IsFile(errors))
        return true;
    const QString bak = Utility::GetBackUpName(errors, QStringLiteral("Bak"));
    const QString old = Utility::GetBackUpName(errors, QStringLiteral("old"));
    bool restored = files.IsFile(bak) && files.fcnCopyFile(bak, errors);
    if (!restored)
        restored = files.IsFile(old) && files.fcnCopyFile(old, errors);
    if (!restored) {
        m_context.prompter.message(QStringLiteral("Errors Database is corrupt"), m_context.state.variant.ProductTitle,
                                   Prompter::Exclamation);
        return false;
    }
    return true;
}

void StartUp::repairErrorsDatabase()
{
    const QString errors = FileOps::resolve(m_context.paths.ErrorsDbPath());
    if (ErrorLog::usable(errors))
        return;
    // A damaged file, or one without the Error table (an empty file opens as an
    // empty database), records nothing. SQLite cannot salvage it here, so the
    // log is taken from the newest usable copy, or started anew from the template.
    const QString why = soundDatabase(errors) ? QStringLiteral("Errors database had no Error table")
                                              : QStringLiteral("Errors database was damaged");
    FileOps &files = m_context.files;
    for (const char *extension : {"bak", "old"}) {
        const QString copy = FileOps::resolve(Utility::GetBackUpName(errors, QString::fromLatin1(extension)));
        if (ErrorLog::usable(copy) && files.fcnCopyFile(copy, errors)) {
            logLoad(ErrNo::NotADatabase, why + QStringLiteral("; restored from ") + QFileInfo(copy).fileName());
            return;
        }
    }
    const QString templ = m_context.paths.templatesDir() + QStringLiteral("/errors");
    if (ErrorLog::usable(templ) && files.fcnCopyFile(templ, errors))
        logLoad(ErrNo::NotADatabase, why + QStringLiteral("; a new empty log was started from the template"));
}

bool StartUp::acquireSingleInstance()
{
    m_lock = std::make_unique<QLockFile>(m_context.paths.file(lockFileName()));
    // Only a lock left by a process that has ended is stale, however old it is.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    m_lock.reset();
    const QString title = m_context.state.variant.ProductTitle;
    m_context.prompter.message(QStringLiteral("'") + title + QStringLiteral("' is already running."), title,
                               Prompter::Exclamation);
    return false;
}

void StartUp::repairDefaultDatabase()
{
    const QString path = m_context.paths.DefaultDbPath();
    if (!m_context.files.IsFile(path)) {
        m_context.prompter.message(QStringLiteral("could not find default db"), m_context.state.variant.ProductTitle,
                                   Prompter::NoIcon);
        return;
    }
    const QString actual = FileOps::resolve(path);
    if (soundDatabase(actual))
        return;
    // DEFAULT is the installed template of every new configuration, never a
    // user's file: a damaged one is replaced by the installed template.
    const QString templ = m_context.paths.templatesDir() + QStringLiteral("/DEFAULT");
    const bool restored = soundDatabase(templ) && m_context.files.fcnCopyFile(templ, actual);
    logLoad(ErrNo::NotADatabase, restored ? QStringLiteral("Default database was damaged; restored from the template")
                                          : QStringLiteral("Default database is damaged"));
}

bool StartUp::run(StartUpHost &host, bool showSplash)
{
    AppState &state = m_context.state;

    modProject::ReadIniFile(m_context);

    bool maximised = false;
    const QSize size = mainWindowSize(host.designSizeTwips(), host.screenSizeTwips(), state.settings, &maximised);
    host.placeMainWindow(size, maximised);

    if (!restoreErrorsDatabase())
        return false;
    repairErrorsDatabase();

    iniSysOpt(m_context);
    host.SetProjectOptions();

    if (showSplash)
        host.showSplash();

    if (!host.initializeWindow())
        return false;

    const QString help = m_context.paths.file(state.variant.HelpFileName);
    if (!state.variant.HelpFileName.isEmpty() && m_context.files.IsFile(help))
        host.setHelpFile(FileOps::resolve(help));

    if (!acquireSingleInstance())
        return false;

    repairDefaultDatabase();

    host.DisplayFileArray();
    resetSessionState();
    host.disableModemRelease();
    return true;
}

bool StartUp::runWithoutWindows()
{
    modProject::ReadIniFile(m_context);
    if (!restoreErrorsDatabase())
        return false;
    repairErrorsDatabase();
    iniSysOpt(m_context);
    // The working database belongs to one program at a time: a command-line
    // send must not replace the copy the tool is editing.
    if (!acquireSingleInstance())
        return false;
    repairDefaultDatabase();
    resetSessionState();
    return true;
}

void StartUp::resetSessionState()
{
    AppState &state = m_context.state;
    state.DebugTrace = false;
    state.ATCommandTrace = false;
    state.ToolRev = Capacities::kToolRev;
    state.SupportedControllerRev = Capacities::kSupportedControllerRev;
}
