#pragma once

#include "config/AtomicDatabaseWriter.h"
#include "shell/FileCommands.h"

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
class FileLifecycle : public FileCommands {
public:
    explicit FileLifecycle(AppContext &context);

    // File commands of the main window.
    void mnuFileNew_Click() override;
    void mnuFileOpen_Click() override;
    bool OpenDatabase(const QString &file) override;
    void mnuFileClose_Click() override;
    void mnuFileSave_Click() override;
    void mnuFileSaveAs_Click() override;

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
};
