#include "config/FileLifecycle.h"

#include "config/Schema.h"
#include "config/SysBoards.h"
#include "config/ValidityCheck.h"
#include "core/AppContext.h"
#include "core/BusyRules.h"
#include "core/MainWindowHost.h"
#include "core/OwnFiles.h"
#include "core/WindowlessHost.h"
#include "platform/Database.h"
#include "platform/RecordSet.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QString kLfCr = QStringLiteral("\n\r");
const QString kFilter = QStringLiteral("Database Files (*.mdb)|*.mdb");
const QString kOpenTitle = QStringLiteral("Open database");
const QString kSaveAsTitle = QStringLiteral("Save As");
const QString kSaveFormsTitle = QStringLiteral("Save File");
const QString kFrmMenu = QStringLiteral("frmMenu");
const QString kRequired = QStringLiteral(" is required by the Programming Tool and cannot be selected.");
const QString kInvalid = QStringLiteral(" is an invalid database.");

const QByteArray kSqliteMagic("SQLite format 3\0", 16);
constexpr int kSqliteHeaderSize = 100;

// The file has the read-only attribute: its owner may not write it, or we may not.
// The owner's write bit is read directly, so the attribute holds for root too.
bool isReadOnly(const QString &path)
{
    struct stat st {};
    const QByteArray native = QFile::encodeName(path);
    if (::stat(native.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    return (st.st_mode & S_IWUSR) == 0 || ::access(native.constData(), W_OK) != 0;
}

// A copy made before the user's file is replaced must be on disk first.
bool syncFile(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

QString nameOf(const QString &path)
{
    return path.mid(std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1);
}

// Same file, compared the way the tool names files: without regard to letter
// case, after resolving "..", "." and links.
bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo fa(a), fb(b);
    if (fa.absoluteFilePath().compare(fb.absoluteFilePath(), Qt::CaseInsensitive) == 0)
        return true;
    const QString ca = fa.canonicalFilePath(), cb = fb.canonicalFilePath();
    return !ca.isEmpty() && ca.compare(cb, Qt::CaseInsensitive) == 0;
}

// The hourglass pointer for the life of a step, released early where a dialog follows.
class BusyCursor {
public:
    explicit BusyCursor(MainWindowHost &host) : m_host(host) { m_host.setBusyCursor(true); }
    ~BusyCursor() { release(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
    void release()
    {
        if (m_on)
            m_host.setBusyCursor(false);
        m_on = false;
    }

private:
    MainWindowHost &m_host;
    bool m_on = true;
};
} // namespace

FileLifecycle::FileLifecycle(AppContext &context) : m_context(context), m_marker(context.paths.UnsavedMarkerPath())
{
    // Whichever window marks the configuration changed, the marker follows.
    m_context.state.UnsavedChanges.setObserver([this](bool unsaved) { unsavedChanged(unsaved); });
}

FileLifecycle::~FileLifecycle()
{
    m_context.state.UnsavedChanges.setObserver({});
}

void FileLifecycle::unsavedChanged(bool unsaved)
{
    if (!unsaved) {
        m_marker.remove();
        return;
    }
    if (m_context.state.configurationOpen() && !m_marker.write(m_context.state.CurrentFileName))
        log(ErrNo::PathFileAccessError, QStringLiteral("cannot write ") + m_context.paths.UnsavedMarkerPath(),
            QStringLiteral("UnsavedChanges"));
}

MainWindowHost &FileLifecycle::host() const
{
    static WindowlessHost none;
    return m_context.host ? *m_context.host : none;
}

QString FileLifecycle::title() const
{
    return m_context.state.variant.ProductTitle;
}

void FileLifecycle::log(int number, const QString &description, const QString &procedure)
{
    m_context.log.LogError(number, description, kFrmMenu, kFrmMenu, procedure);
}

bool FileLifecycle::busyForOpen() const
{
    return BusyRules::newOpenBusy(host());
}

bool FileLifecycle::busyForSave() const
{
    return BusyRules::saveBusy(host());
}

bool FileLifecycle::isReservedForOpen(const QString &file) const
{
    const AppPaths &paths = m_context.paths;
    if (sameFile(file, paths.DefaultDbPath()) || sameFile(file, paths.TempDbPath()))
        return true;
    // The tool's own files in the application folder, also with an extension.
    if (OwnFiles::kind(paths, file) != OwnFiles::Kind::None)
        return true;
    static const QStringList kLists{QStringLiteral("MODEM"), QStringLiteral("PHONELST"), QStringLiteral("DPHONELST"),
                                    QStringLiteral("DMODEM")};
    return kLists.contains(nameOf(file).toUpper());
}

bool FileLifecycle::isReservedForSave(const QString &name) const
{
    // Saved names end in ".MDB", so comparing with DEFAULT and ~TEMP alone
    // never matches: "~temp" would be saved as ~TEMP.MDB and deleted by the
    // next Close ("~temp.*").
    const AppPaths &paths = m_context.paths;
    return sameFile(name, paths.DefaultDbPath()) || sameFile(name, paths.TempDbPath()) ||
           OwnFiles::kind(paths, name) != OwnFiles::Kind::None;
}

// ---------------------------------------------------------------------------
// The working database

bool FileLifecycle::removeWorkingDatabase()
{
    const QString work = m_context.paths.TempDbPath();
    if (!m_context.files.fcnRemoveFile(work))
        return false;
    // A journal left by a crash would be rolled into the next copy; it goes with the file.
    for (const char *suffix : {"-journal", "-wal", "-shm"})
        QFile::remove(work + QLatin1String(suffix));
    m_marker.remove();
    return true;
}

void FileLifecycle::discardWorkingDatabase()
{
    m_context.files.RemoveFile(m_context.paths.file(QStringLiteral("~temp.*")));
}

AtomicDatabaseWriter::Outcome FileLifecycle::writeWorkingDatabaseTo(const QString &file)
{
    const auto outcome = m_writer.write(m_context.paths.TempDbPath(), FileOps::resolve(file));
    if (outcome != AtomicDatabaseWriter::Outcome::Written)
        log(ErrNo::PathFileAccessError, file + QStringLiteral(": ") + m_writer.lastError(),
            QStringLiteral("SaveWorkingDatabase"));
    return outcome;
}

// ---------------------------------------------------------------------------
// Checks and page-group defaults

FileLifecycle::FileKind FileLifecycle::probe(const QString &file)
{
    const QFileInfo info(file);
    if (!info.exists())
        return FileKind::Missing;
    QFile f(file);
    if (!info.isFile() || !f.open(QIODevice::ReadOnly))
        return FileKind::Unreadable;
    const QByteArray header = f.read(kSqliteHeaderSize);
    f.close();
    if (header.size() < kSqliteHeaderSize || !header.startsWith(kSqliteMagic))
        return FileKind::NotADatabase;
    Database db(file, Database::Mode::ReadOnly);
    if (!db.isOpen())
        return FileKind::NotADatabase;
    const int format = db.userVersion();
    const auto application = db.scalar(QStringLiteral("PRAGMA application_id"));
    const int id = application ? application->toInt() : -1;
    const bool ours = id == Schema::kApplicationId || id == 0;
    if (ours && format >= 1 && format < Schema::kCurrentFormat)
        return FileKind::OldFormat;
    return FileKind::Current;
}

bool FileLifecycle::OldAccess(const QString &file)
{
    return probe(FileOps::resolve(file)) == FileKind::OldFormat;
}

bool FileLifecycle::ValidDatabase(const QString &file)
{
    Database db(file, Database::Mode::ReadOnly);
    const ValidityCheck::Result result = ValidityCheck::check(db);
    for (const QString &problem : result.problems)
        log(ErrNo::DatabaseError, problem, QStringLiteral("ValidDatabase"));
    m_context.state.TotalEvents = result.totalEvents;
    m_context.state.ExpansionBoards = result.expansionBoards;
    m_context.state.ClockBoard = result.clockBoard;
    return result.valid;
}

bool FileLifecycle::VerifyRev(const QString &file)
{
    Database db(file, Database::Mode::ReadOnly);
    const auto rev = db.scalar(QStringLiteral("SELECT rev FROM Rev ORDER BY rowid LIMIT 1"));
    if (!rev) {
        log(ErrNo::NoCurrentRecord, db.lastError(), QStringLiteral("VerifyRev"));
        return false;
    }
    if (rev->toString() > m_context.state.ToolRev) {
        const QString &model = m_context.state.variant.ModelName;
        m_context.prompter.message(
            model + QStringLiteral(" Programming Tool may not support all programmed features.") + kCrLf + kCrLf +
                QStringLiteral("Upgrade the ") + model + QStringLiteral(" Programming Tool  to prevent receiving") +
                kCrLf + QStringLiteral("this message in the future.") + kCrLf + kCrLf,
            title());
    }
    return true;
}

void FileLifecycle::UpdateRev()
{
    const QString procedure = QStringLiteral("UpdateRev");
    Database db(m_context.paths.TempDbPath());
    if (!db.isOpen()) {
        log(ErrNo::CannotOpenDatabase, db.lastError(), procedure);
        return;
    }
    RecordSet rev(db, QStringLiteral("Rev"));
    if (rev.isEmpty() || !rev.setValue(0, QStringLiteral("rev"), m_context.state.ToolRev))
        log(ErrNo::NoCurrentRecord, db.lastError(), procedure);
}

void FileLifecycle::SetToneDefaults(int boards)
{
    clearPageGroups(boards, QStringLiteral("MakeEmer"));
}

void FileLifecycle::UpdateData()
{
    clearPageGroups(GetNumberofSysBoards(m_context.paths.TempDbPath(), m_context.log) + 1,
                    QStringLiteral("UpdateData"));
}

void FileLifecycle::clearPageGroups(int boards, const QString &procedure)
{
    // Four page groups per board: those of the boards not fitted are cleared.
    QList<int> groups;
    if (boards < 4)
        groups << 13 << 14 << 15 << 16;
    if (boards < 3)
        groups << 9 << 10 << 11 << 12;
    if (boards < 2)
        groups << 5 << 6 << 7 << 8;
    if (groups.isEmpty())
        return;
    Database db(m_context.paths.TempDbPath());
    if (!db.isOpen()) {
        log(ErrNo::CannotOpenDatabase, db.lastError(), procedure);
        return;
    }
    for (const QString &table : {QStringLiteral("EmergencyPG"), QStringLiteral("TonesPG")}) {
        RecordSet rows(db, table);
        if (rows.isEmpty()) {
            log(ErrNo::NoCurrentRecord, table + QStringLiteral(": ") + db.lastError(), procedure);
            return;
        }
        QList<QPair<int, QVariant>> values;
        for (int g : groups) {
            const int field = rows.fieldIndex(QStringLiteral("PageGroup%1").arg(g));
            if (field < 0) {
                log(ErrNo::ItemNotFound, QStringLiteral("%1 has no column PageGroup%2").arg(table).arg(g), procedure);
                return;
            }
            values.append({field, 0});
        }
        if (!rows.setValues(0, values)) {
            log(ErrNo::DatabaseError, db.lastError(), procedure);
            return;
        }
    }
}

bool FileLifecycle::ApplyOpenSteps()
{
    const QString work = m_context.paths.TempDbPath();
    SetToneDefaults(GetNumberofSysBoards(work, m_context.log) + 1);
    VerifyRev(work);
    return ValidDatabase(work);
}

FileLifecycle::ImportResult FileLifecycle::ImportData(const QString &source, const QString &target)
{
    const QString procedure = QStringLiteral("ImportData");
    Database from(source, Database::Mode::ReadOnly);
    Database to(target);
    if (!from.isOpen() || !to.isOpen()) {
        log(ErrNo::CannotOpenDatabase, from.isOpen() ? to.lastError() : from.lastError(), procedure);
        return ImportResult::Failed;
    }
    // All or nothing: a half-imported copy must never be written anywhere.
    to.transaction();
    bool failed = false;
    for (const QString &table : from.tables()) {
        if (table.left(4).toUpper() == QLatin1String("MSYS"))
            continue;
        const QString targetTable = to.tableName(table);
        if (targetTable.isEmpty()) {
            log(ErrNo::CouldNotFindTable, QStringLiteral("table %1 is not in the default database").arg(table),
                procedure);
            continue;
        }
        const int columns = int(from.columns(table).size());
        if (columns != to.columns(targetTable).size()) {
            to.rollback();
            m_context.prompter.message(QStringLiteral("Invalid Database"), title());
            return ImportResult::ColumnMismatch;
        }
        const auto sourceRows =
            from.rows(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(Database::quoted(table)));
        RecordSet targetRows(to, targetTable);
        if (!sourceRows || !targetRows.ok()) {
            log(ErrNo::DatabaseError, table + QStringLiteral(": ") + (sourceRows ? to.lastError() : from.lastError()),
                procedure);
            failed = true;
            continue;
        }
        // An empty target takes every row; otherwise the source rows overwrite
        // the target's in order and rows beyond the target's count are dropped.
        const QString insert = QStringLiteral("INSERT INTO %1 VALUES (%2)")
                                   .arg(Database::quoted(targetTable),
                                        QStringList(columns, QStringLiteral("?")).join(QLatin1String(", ")));
        const bool targetEmpty = targetRows.isEmpty();
        for (int r = 0; r < sourceRows->size(); ++r) {
            const QVariantList &row = sourceRows->at(r);
            bool ok = true;
            if (targetEmpty) {
                ok = to.exec(insert, row);
            } else {
                if (r >= targetRows.count())
                    break;
                QList<QPair<int, QVariant>> values;
                for (int c = 0; c < columns; ++c)
                    values.append({c, row.value(c)});
                ok = targetRows.setValues(r, values);
            }
            if (!ok) {
                log(ErrNo::DatabaseError, table + QStringLiteral(": ") + to.lastError(), procedure);
                failed = true;
                break;
            }
        }
    }
    if (failed || !to.commit()) {
        to.rollback();
        return ImportResult::Failed;
    }
    return ImportResult::Imported;
}

// ---------------------------------------------------------------------------
// Open and conversion

bool FileLifecycle::convert(const QString &file)
{
    const QString procedure = QStringLiteral("OpenDatabase");
    Prompter &prompter = m_context.prompter;
    const QString path = FileOps::resolve(file);
    if (isReadOnly(path)) {
        prompter.message(file + QStringLiteral(" is in Read-Only mode.  In order to") + kCrLf +
                             QStringLiteral("open this file you must turn the Read-Only mode off.") + kCrLf,
                         title());
        return false;
    }
    const QString question =
        file + QStringLiteral(" was generated by an older version of the programming.") + kCrLf +
        QStringLiteral("Tool.  If you wish to continue the file will be converted to the newer version.") + kCrLf +
        QStringLiteral("Once the file has been converted you will not be able to open the file in an older version "
                       "of the Programming Tool.") +
        kCrLf + kCrLf + QStringLiteral("Do you wish to convert the data?") + kCrLf + kCrLf;
    if (prompter.ask(question, title(), Prompter::YesNo, Prompter::NoIcon) != Prompter::AnswerYes)
        return false;

    if (!ConvertToWorkingDatabase(file))
        return false;

    const QString backup = Utility::GetBackUpName(file, QStringLiteral("OLD"));
    if (!m_context.files.fcnRemoveFile(backup) || !m_context.files.fcnCopyFile(path, backup) || !syncFile(backup)) {
        log(ErrNo::PathFileAccessError, QStringLiteral("cannot create ") + backup, procedure);
        prompter.message(QStringLiteral("Backup File ") + backup + QStringLiteral(" can not be created.") + kLfCr +
                             QStringLiteral("Please make sure disk is not write protected."),
                         title(), Prompter::Exclamation);
        return false;
    }
    switch (writeWorkingDatabaseTo(path)) {
    case AtomicDatabaseWriter::Outcome::Written: return true;
    case AtomicDatabaseWriter::Outcome::TargetNotReplaceable:
        prompter.message(QStringLiteral("Unable to remove old copy of file ") + file, title(), Prompter::Exclamation);
        return false;
    case AtomicDatabaseWriter::Outcome::CopyFailed:
        prompter.message(QStringLiteral("File ") + file + QStringLiteral(" can not be created.") + kLfCr +
                             QStringLiteral("Please make sure disk is not write protected."),
                         title(), Prompter::Exclamation);
        return false;
    }
    return false;
}

bool FileLifecycle::ConvertToWorkingDatabase(const QString &file)
{
    Prompter &prompter = m_context.prompter;
    const QString path = FileOps::resolve(file);
    const auto invalid = [&](const QStringList &problems) {
        for (const QString &problem : problems)
            log(ErrNo::DatabaseError, problem, QStringLiteral("ValidDatabase"));
        prompter.message(file + kCrLf + kInvalid, kOpenTitle, Prompter::Exclamation);
        return false;
    };
    if (!m_context.files.fcnCopyFile(m_context.paths.DefaultDbPath(), m_context.paths.TempDbPath())) {
        prompter.message(QStringLiteral("Unable to open Default table.") + kLfCr, title(), Prompter::Exclamation);
        return false;
    }
    UpdateRev();
    // Tables whose column count differs from the default's are met here first,
    // with the import's own message; the checks below see only the rest.
    const ImportResult imported = ImportData(path, m_context.paths.TempDbPath());
    if (imported == ImportResult::ColumnMismatch)
        return false; // "Invalid Database" was shown
    // The old file must be whole: gaps would otherwise be filled with defaults
    // and written over it.
    {
        Database old(path, Database::Mode::ReadOnly);
        const auto result = ValidityCheck::check(old, ValidityCheck::Names::Ignored);
        if (!result.valid)
            return invalid(result.problems);
    }
    if (imported == ImportResult::Failed)
        return invalid({});
    // Nothing replaces the user's file unless the converted copy is sound.
    {
        Database work(m_context.paths.TempDbPath(), Database::Mode::ReadOnly);
        const auto result = ValidityCheck::check(work);
        if (!result.valid)
            return invalid(result.problems);
    }
    return true;
}

bool FileLifecycle::OpenDatabase(QString file)
{
    const QString procedure = QStringLiteral("OpenDatabase");
    Prompter &prompter = m_context.prompter;
    AppState &state = m_context.state;
    MainWindowHost &h = host();

    if (isReservedForOpen(file)) {
        prompter.message(file + kCrLf + kRequired, kOpenTitle, Prompter::Exclamation);
        return false;
    }
    BusyCursor cursor(h);
    const QString work = m_context.paths.TempDbPath();
    if (!removeWorkingDatabase()) {
        log(ErrNo::PermissionDenied, QStringLiteral("cannot remove ") + work, procedure);
        cursor.release();
        prompter.message(QStringLiteral("File ") + work + QStringLiteral(" can not be overwritten"), title());
        return false;
    }

    const QString path = FileOps::resolve(file);
    const auto fail = [&](int number, const QString &text, const QString &message, const QString &messageTitle) {
        if (number != ErrNo::None)
            log(number, text, procedure);
        discardWorkingDatabase();
        cursor.release();
        if (!message.isEmpty())
            prompter.message(message, messageTitle, Prompter::Exclamation);
        return false;
    };
    switch (probe(path)) {
    case FileKind::Missing:
        return fail(ErrNo::FileNotFound, ErrorLog::standardMessage(ErrNo::FileNotFound) + QStringLiteral(": ") + file,
                    file + kCrLf + QStringLiteral(" does not exist."), kOpenTitle);
    case FileKind::Unreadable:
        return fail(ErrNo::PermissionDenied, file, QStringLiteral("File ") + file + QStringLiteral(" did not open."),
                    title());
    case FileKind::NotADatabase:
        // Not even an older format: it is refused as it is, never converted.
        return fail(ErrNo::NotADatabase, file, file + kCrLf + kInvalid, kOpenTitle);
    case FileKind::Current:
        if (!m_context.files.fcnCopyFile(path, work))
            return fail(ErrNo::PathFileAccessError, QStringLiteral("cannot copy ") + file,
                        QStringLiteral("File ") + file + QStringLiteral(" did not open."), title());
        break;
    case FileKind::OldFormat:
        if (!convert(file))
            return fail(ErrNo::None, {}, {}, {}); // declined, refused or failed: already reported
        break;
    }

    if (!ApplyOpenSteps())
        return fail(ErrNo::DatabaseError, file + kInvalid, file + kCrLf + kInvalid, kOpenTitle);

    h.File_Menu_Options();
    h.setCaption(h.caption() + QStringLiteral(" - ") + file);
    h.UpdateFileArray(file);
    state.CurrentFileName = file;
    cursor.release();
    h.showSwitchBoard();
    return true;
}

// ---------------------------------------------------------------------------
// File commands

void FileLifecycle::mnuFileNew_Click()
{
    if (busyForOpen())
        return;
    MainWindowHost &h = host();
    BusyCursor cursor(h);
    removeWorkingDatabase();
    if (!m_context.files.fcnCopyFile(m_context.paths.DefaultDbPath(), m_context.paths.TempDbPath())) {
        log(ErrNo::FileNotFound, QStringLiteral("cannot copy ") + m_context.paths.DefaultDbPath(),
            QStringLiteral("mnuFileNew"));
        cursor.release();
        m_context.prompter.message(QStringLiteral("Error opening Work database."), title(), Prompter::Exclamation);
        return;
    }
    UpdateData();
    if (!ValidDatabase(m_context.paths.TempDbPath())) {
        discardWorkingDatabase();
        cursor.release();
        m_context.prompter.message(QStringLiteral("The default database does not exist."), title(),
                                   Prompter::Exclamation);
        return;
    }
    h.File_Menu_Options();
    m_context.state.CurrentFileName = m_context.state.untitled();
    h.setCaption(h.caption() + QStringLiteral(" - ") + m_context.state.untitled());
    cursor.release();
    // The user chooses the boards first; the editor may not exist in every build.
    h.showModal(QStringLiteral("frmConfig"));
    h.showSwitchBoard();
}

void FileLifecycle::mnuFileOpen_Click()
{
    if (busyForOpen())
        return;
    const std::optional<QString> chosen = host().chooseOpenFile(kFilter);
    if (!chosen || chosen->isEmpty())
        return;
    OpenDatabase(*chosen);
}

void FileLifecycle::mnuFileClose_Click()
{
    if (busyForSave())
        return;
    AppState &state = m_context.state;
    MainWindowHost &h = host();
    state.CancelClose = false;
    state.AcceptAllChanges = false;
    if (state.CurrentFileName == state.untitled() || state.UnsavedChanges || h.saveEnabled()) {
        const auto answer = m_context.prompter.ask(QStringLiteral("Do you want to save changes to ") +
                                                       state.CurrentFileName + QStringLiteral("?"),
                                                   title(), Prompter::YesNoCancel, Prompter::Exclamation);
        if (answer == Prompter::AnswerCancel) {
            state.CancelClose = true;
            return;
        }
        if (answer == Prompter::AnswerYes) {
            state.AcceptAllChanges = true;
            mnuFileSave_Click();
            if (state.CancelClose)
                return;
        }
    }
    h.unloadAllChildren();
    discardWorkingDatabase();
    h.Initialize();
}

void FileLifecycle::mnuFileSave_Click()
{
    if (busyForSave())
        return;
    AppState &state = m_context.state;
    MainWindowHost &h = host();
    if (!state.configurationOpen())
        return; // nothing to save
    UpdateRev();
    if (state.CurrentFileName == state.untitled()) {
        saveAs();
        return;
    }
    // A cancelled question stops a Close that asked for this save, too.
    state.CancelClose = false;
    if (!h.SaveOpenForms(kSaveFormsTitle)) {
        state.CancelClose = true;
        return;
    }
    // A copy: a message below runs its own event loop, and the name must stay
    // the one this save writes whatever happens meanwhile.
    const QString file = state.CurrentFileName;
    if (isReadOnly(FileOps::resolve(file))) {
        m_context.prompter.message(
            file + QStringLiteral(" is in Read-Only mode.  Unable to save to a Read-Only File.") + kCrLf +
                QStringLiteral("Try saveing to a different file that is not Read-Only.") + kCrLf,
            title());
        state.CancelClose = true;
        return;
    }
    BusyCursor cursor(h);
    const auto outcome = writeWorkingDatabaseTo(file);
    cursor.release();
    switch (outcome) {
    case AtomicDatabaseWriter::Outcome::Written:
        state.UnsavedChanges = false;
        h.setSaveEnabled(false);
        return;
    case AtomicDatabaseWriter::Outcome::TargetNotReplaceable:
        m_context.prompter.message(QStringLiteral("File ") + file + QStringLiteral(" is write protected.") + kLfCr +
                                       QStringLiteral("Please remove the protection or save to another file."),
                                   title(), Prompter::Exclamation);
        break;
    case AtomicDatabaseWriter::Outcome::CopyFailed:
        m_context.prompter.message(QStringLiteral("File ") + Utility::GetPathPart(file) +
                                       QStringLiteral(" is write protected.") + kLfCr +
                                       QStringLiteral("Please remove the protection or save to another location."),
                                   title(), Prompter::Exclamation);
        break;
    }
    state.CancelClose = true;
}

void FileLifecycle::mnuFileSaveAs_Click()
{
    if (busyForSave() || !m_context.state.configurationOpen())
        return;
    saveAs();
}

void FileLifecycle::saveAs()
{
    AppState &state = m_context.state;
    MainWindowHost &h = host();
    Prompter &prompter = m_context.prompter;
    state.CancelClose = false;
    UpdateRev();
    if (!h.SaveOpenForms(kSaveFormsTitle)) {
        state.CancelClose = true;
        return;
    }

    QString proposed =
        state.CurrentFileName == state.untitled() ? QStringLiteral("Untitled.mdb") : state.CurrentFileName;
    QString name;
    for (;;) {
        const std::optional<QString> chosen = h.chooseSaveFile(kFilter, proposed);
        if (!chosen || chosen->isEmpty()) {
            // Nothing was written, so a Close that asked for this save must stop.
            state.CancelClose = true;
            return;
        }
        proposed = *chosen;
        // Only the file name is upper-cased: the folders keep their own spelling.
        const QString folder = Utility::GetPathPart(*chosen);
        QString base = chosen->mid(folder.size()).toUpper();
        if (!base.endsWith(QLatin1String(".MDB"))) {
            if (base.isEmpty() || base.contains(QLatin1Char('.'))) {
                prompter.message(*chosen + kCrLf + QStringLiteral("The above filename is invalid."), kSaveAsTitle,
                                 Prompter::Exclamation);
                continue;
            }
            base += QLatin1String(".MDB");
        }
        name = folder + base;
        if (isReservedForSave(name)) {
            prompter.message(name + kCrLf + kRequired, kSaveAsTitle, Prompter::Exclamation);
            continue;
        }
        // The dialog's overwrite question, asked here about the name the file
        // is saved under: the dialog only saw the name as typed. A file whose
        // name differs only in letter case is the file that gets replaced.
        const QString existing = FileOps::resolve(name);
        if (QFileInfo(existing).isFile() &&
            prompter.ask(existing + QStringLiteral(" already exists.") + kCrLf +
                             QStringLiteral("Do you want to replace it?"),
                         kSaveAsTitle, Prompter::YesNo, Prompter::Exclamation) != Prompter::AnswerYes)
            continue;
        break;
    }

    const auto protectedFile = [&] {
        prompter.message(QStringLiteral("File ") + name + QStringLiteral(" is write protected.") + kLfCr +
                             QStringLiteral("Please remove the protection or save to another file."),
                         title(), Prompter::Exclamation);
        state.CancelClose = true;
    };
    if (isReadOnly(FileOps::resolve(name))) {
        protectedFile();
        return;
    }
    BusyCursor cursor(h);
    const auto outcome = writeWorkingDatabaseTo(name);
    cursor.release();
    switch (outcome) {
    case AtomicDatabaseWriter::Outcome::Written:
        h.setCaption(title() + QStringLiteral(" - ") + name);
        h.UpdateFileArray(name);
        state.CurrentFileName = name;
        state.UnsavedChanges = false;
        h.setSaveEnabled(false);
        return;
    case AtomicDatabaseWriter::Outcome::TargetNotReplaceable: protectedFile(); return;
    case AtomicDatabaseWriter::Outcome::CopyFailed:
        prompter.message(QStringLiteral("File ") + Utility::GetPathPart(name) + QStringLiteral(" is write protected.") +
                             kLfCr + QStringLiteral("Please remove the protection or save to another location."),
                         title(), Prompter::Exclamation);
        state.CancelClose = true;
        return;
    }
}

// ---------------------------------------------------------------------------
// Unsaved work across a kill, a crash or a termination signal

bool FileLifecycle::offerRecovery()
{
    const QString work = m_context.paths.TempDbPath();
    if (!m_marker.exists())
        return false;
    if (!QFileInfo(work).isFile()) {
        m_marker.remove();
        return false;
    }
    AppState &state = m_context.state;
    const QString procedure = QStringLiteral("offerRecovery");
    const QString original = m_marker.file();
    const QString changes = original.isEmpty() || original == state.untitled()
                                ? QStringLiteral("the changes to a new configuration that was never saved")
                                : QStringLiteral("the changes to ") + original;
    const QString question =
        QStringLiteral("The Programming Tool was not shut down properly last time, and ") + changes +
        QStringLiteral(" were not saved.") + kCrLf + kCrLf +
        QStringLiteral("Recover opens the configuration with these changes as \"Untitled\"; save it with Save As "
                       "to keep them.") +
        kCrLf + QStringLiteral("Discard deletes these changes for good.");
    if (m_context.prompter.ask(question, title(), Prompter::RecoverDiscard, Prompter::Exclamation) ==
        Prompter::AnswerNo) {
        discardWorkingDatabase();
        log(ErrNo::None, QStringLiteral("Unsaved changes discarded: ") + original, procedure);
        return false;
    }
    // A journal left by the crash is rolled back by the first connection that may write.
    {
        Database db(work);
        if (db.isOpen())
            db.integrityCheck(true);
    }
    if (!ValidDatabase(work)) {
        m_context.prompter.message(
            QStringLiteral("The unsaved changes cannot be recovered: the working copy is damaged."), title(),
            Prompter::Exclamation);
        discardWorkingDatabase();
        return false;
    }
    log(ErrNo::None, QStringLiteral("Unsaved changes recovered: ") + original, procedure);
    MainWindowHost &h = host();
    h.File_Menu_Options();
    state.CurrentFileName = state.untitled();
    h.setCaption(h.caption() + QStringLiteral(" - ") + state.untitled());
    state.markUnsaved();
    h.setSaveEnabled(true);
    h.showSwitchBoard();
    return true;
}

void FileLifecycle::shutDownWithoutQuestions()
{
    AppState &state = m_context.state;
    if (!state.configurationOpen())
        return;
    // What Close would have asked about (changes, or a configuration never
    // saved) stays for the next start, which offers it back.
    if (state.UnsavedChanges || state.CurrentFileName == state.untitled()) {
        if (!m_marker.write(state.CurrentFileName))
            log(ErrNo::PathFileAccessError, QStringLiteral("cannot write ") + m_context.paths.UnsavedMarkerPath(),
                QStringLiteral("shutDownWithoutQuestions"));
        return;
    }
    discardWorkingDatabase();
}
