#pragma once

#include "core/AppState.h"
#include "core/ErrorLog.h"
#include "link/records/TransferLink.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class ReceiveTables;
class RecordReaders;
class SimCore;

// The programming a simulated controller holds: a configuration database that
// a send fills (S resets it, each record is stored, A ends it) and that a
// receive request R answers with every record, in the controller's own order
// with A last. It can start from a configuration file and write itself to one
// after each complete send.
class SimProgramming : public TransferLink {
public:
    static const QByteArray kNewerTypeMessage;

    // templatePath: the default configuration a send starts from.
    explicit SimProgramming(const QString &templatePath);
    ~SimProgramming() override;

    // Replaces the programming by a configuration file; false with the reason.
    bool load(const QString &file, QString *error = nullptr);
    // Writes the programming to a configuration file; false with the reason.
    bool save(const QString &file, QString *error = nullptr);
    // Saved to this file after every complete send ("" for none).
    void setSaveFile(const QString &file) { m_saveFile = file; }
    // R is answered with one message of a type newer than the tool among the records.
    void setNewerType(bool on) { m_newerType = on; }

    // Registers the S, R and record handlers with the core.
    void attach(SimCore &core);

    // Every record of the programming, in the order R sends them.
    QList<QByteArray> records();
    // Lines a reader logged while storing records (mismatches, failures).
    const QStringList &problems() const { return m_problems; }
    const QString &databasePath() const { return m_dbPath; }
    bool valid() const { return m_valid; }

    // The link its own senders and readers use: bodies are collected, log lines kept.
    bool Send_Msg(const QString &body) override;
    void writeCommLog(const QString &line) override { m_problems << line; }
    void setExceptionsOccurred() override {}

private:
    bool reset(const QString &source, QString *error);
    void openTables();
    void closeTables();
    void store(const QByteArray &body);

    QTemporaryDir m_dir;
    QString m_template;
    QString m_dbPath;
    QString m_saveFile;
    AppState m_state;
    ErrorLog m_log;
    std::unique_ptr<ReceiveTables> m_tables;
    std::unique_ptr<RecordReaders> m_readers;
    QStringList m_collected;
    QStringList m_problems;
    bool m_valid = false;
    bool m_newerType = false;
};
