#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <ostream>

// Configurations with values the controller cannot take, each with the line
// of the refusal that names its cell. Shared by the tests of the value check,
// of Send and of the command line, which must all refuse them alike.
struct DamagedFile {
    const char *name;
    QStringList statements; // applied to a copy of the default configuration
    QString refusal;        // the line of the message that names the cell
};

// Test names show the case's name.
inline void PrintTo(const DamagedFile &file, std::ostream *os)
{
    *os << file.name;
}

const QList<DamagedFile> &damagedFiles();

// Applies a damage to a configuration file.
void damage(const QString &path, const DamagedFile &file);

// Statements that rebuild a table without its NOT NULL constraints, so a cell
// can hold NULL as in files written by other programs.
QStringList withoutConstraints(const QString &table);
