#pragma once

#include "config/AtomicDatabaseWriter.h"
#include "config/UnsavedMarker.h"
#include "core/FileCommands.h"

#include <QString>

struct AppContext;
class Database;
class MainWindowHost;

// The life of a configuration file: New, Open (with the conversion of files of
// the older formats), Close, Save and Save As. The user's file is never edited
// in place: it is copied to the working database, every editor works on that
// copy, and saving writes the copy back. No widgets here: questions and
// messages go through the prompter, window effects through the main window's
// host interface.
//
// While the working copy holds changes not saved to the user's file
// (UnsavedChanges), a marker on disk says so, so that the start after a kill,
// a crash or a power loss can offer the changes back (offerRecovery).
class FileLifecycle : public FileCommands {
public:
    explicit FileLifecycle(AppContext &context);
    ~FileLifecycle() override;
    FileLifecycle(const FileLifecycle &) = delete;
    FileLifecycle &operator=(const FileLifecycle &) = delete;

    // File commands of the main window.
    void mnuFileNew_Click() override;
    void mnuFileOpen_Click() override;
    bool OpenDatabase(QString file) override;
    void mnuFileClose_Click() override;
    void mnuFileSave_Click() override;
    void mnuFileSaveAs_Click() override;
    void shutDownWithoutQuestions() override;

    // At start-up, after the single-instance check: when the working copy left
    // by the last run holds unsaved changes, asks whether to recover them.
    // Recover opens the copy as "Untitled" with its changes; Discard deletes it.
    // True when a configuration was recovered and is open.
    bool offerRecovery();

    // True when file is a configuration of one of the older formats (format
    // version below "3.0"), which Open offers to convert.
    bool OldAccess(const QString &file);
    // True when file passes the validity test; sets TotalEvents,
    // ExpansionBoards and ClockBoard from it.
    bool ValidDatabase(const QString &file);
    // Warns when file was saved by a newer tool; false when the revision could not be read.
    bool VerifyRev(const QString &file);
    // Stores ToolRev in the working database.
    void UpdateRev();
    // Clears the emergency- and time-tone page groups of the boards beyond
    // boards (main board included) in the working database.
    void SetToneDefaults(int boards);
    // The same rule from the working database's own board count.
    void UpdateData();

    // The steps every file goes through once it is the working database: the
    // page groups of the boards it lacks cleared, the newer-file warning and
    // the validity test. True when the working database is valid.
    bool ApplyOpenSteps();
    // Converts a file of an older format into the working database, leaving the
    // file itself as it is; false (the user has been told) when the file or the
    // converted copy is not sound.
    bool ConvertToWorkingDatabase(const QString &file);

    enum class ImportResult { Imported, ColumnMismatch, Failed };
    // Copies every table of source into target column by column by position.
    ImportResult ImportData(const QString &source, const QString &target);

    // Lets tests interrupt a save between its stages.
    void setSaveObserver(AtomicDatabaseWriter::Observer observer) { m_writer.setObserver(std::move(observer)); }

private:
    enum class FileKind { Missing, Unreadable, NotADatabase, OldFormat, Current };
    FileKind probe(const QString &file);

    bool isReservedForOpen(const QString &file) const;
    bool isReservedForSave(const QString &name) const;
    bool busyForOpen() const;
    bool busyForSave() const;

    void unsavedChanged(bool unsaved);
    bool removeWorkingDatabase();
    void discardWorkingDatabase();
    bool convert(const QString &file);
    AtomicDatabaseWriter::Outcome writeWorkingDatabaseTo(const QString &file);
    void clearPageGroups(int boards, const QString &procedure);
    void saveAs();

    void log(int number, const QString &description, const QString &procedure);
    QString title() const;
    MainWindowHost &host() const;

    AppContext &m_context;
    AtomicDatabaseWriter m_writer;
    UnsavedMarker m_marker;
};
