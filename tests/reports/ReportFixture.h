#pragma once

#include "TempAppFolder.h"

#include "platform/Database.h"
#include "reports/ReportList.h"
#include "reports/ReportPrinting.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A working database copied from DEFAULT beside the seeded report definitions
// and phone list, helpers that fill it with a known configuration, and the
// text of a PDF file as pdftotext lays it out.
class ReportFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        const AppPaths &paths = ctx().paths;
        ASSERT_TRUE(QFile::copy(paths.DefaultDbPath(), paths.TempDbPath()));
        QFile::setPermissions(paths.TempDbPath(), QFile::permissions(paths.TempDbPath()) | QFile::WriteOwner);
        ASSERT_TRUE(QFile::copy(paths.file(QStringLiteral("Dphonelst")), paths.file(QStringLiteral("phonelst"))));
        QFile::setPermissions(paths.file(QStringLiteral("phonelst")), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        db = std::make_unique<Database>(paths.TempDbPath());
        ASSERT_TRUE(db->isOpen());
        ctx().state.CurrentFileName = QStringLiteral("Untitled");
    }

    AppContext &ctx() { return folder.context(); }

    void exec(const QString &sql, const QVariantList &binds = {})
    {
        ASSERT_TRUE(db->exec(sql, binds)) << sql.toStdString() << ": " << db->lastError().toStdString();
    }

    void addEvent(int schedule, const QString &time, int tone, int duration, QList<int> groups)
    {
        QVariantList values{schedule, time, tone, duration};
        for (int g = 1; g <= 16; ++g)
            values << (groups.contains(g) ? 1 : 0);
        exec(QStringLiteral("INSERT INTO Event VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"), values);
    }

    // One of each kind of programming, in values a report must put into words.
    void fillKnownConfiguration()
    {
        exec(QStringLiteral("UPDATE Config SET System_Config = 1"));
        addEvent(2, QStringLiteral("12:00"), 3, 30, {1, 4});
        addEvent(1, QStringLiteral("07:30"), 2, 10, {1, 3, 16});
        addEvent(1, QStringLiteral("06:15"), 4, 5, {});
        exec(QStringLiteral("UPDATE SchedDays SET Monday = 1, Friday = 1 WHERE Schedule = 1"));
        exec(
            QStringLiteral("UPDATE Clid SET archnum = '2101', clid_string = 'Front Office   ' WHERE clid_station = 1"));
        exec(QStringLiteral(
            "UPDATE Clid SET archnum = '48  ', clid_string = 'Gym            ' WHERE clid_station = 48"));
        exec(QStringLiteral(
            "UPDATE Clid SET archnum = '9999', clid_string = 'Not fitted     ' WHERE clid_station = 49"));
        exec(QStringLiteral("UPDATE ClassService SET Service = 0 WHERE \"Group\" = 1"));
        exec(QStringLiteral("UPDATE ClassService SET Service = -1 WHERE \"Group\" = 2"));
        exec(QStringLiteral("UPDATE ClassService SET Service = 2 WHERE \"Group\" = 8"));
        exec(QStringLiteral("UPDATE DipSwitch SET LowStn22 = 1, DialTone = 0, RingPattern = 1, PriorityGlobal = 1, "
                            "ExtToneSource = 1"));
        exec(QStringLiteral("UPDATE ClockDef SET ClockEnabled = 1, ClockA = 4, ClockB = 0, Direction = 1, "
                            "BCD_Type = 3"));
        exec(QStringLiteral("UPDATE Bgm SET PageGroup2 = 1, PageGroup7 = 1"));
        exec(QStringLiteral("UPDATE TonesPG SET PageGroup9 = 0"));
        exec(QStringLiteral("UPDATE PageGroup SET PageGroup5 = 1 WHERE rowid = 2"));
        Database phones(ctx().paths.file(QStringLiteral("phonelst")));
        ASSERT_TRUE(phones.exec(QStringLiteral("INSERT INTO PhoneList VALUES ('North School', '555 0199')")));
    }

    ReportPrinting printing()
    {
        return ReportPrinting(folder.context().paths.appDir(), folder.context().paths.TempDbPath(),
                              folder.context().state.CurrentFileName, QDateTime(QDate(2024, 3, 9), QTime(14, 5)));
    }

    // The report written to PDF and read back as text; "" (with a failure) when it could not be.
    QString printedText(int index)
    {
        QString error, output;
        const bool ok = printing().print(index, PrintDestination::pdf(out.path()), &error, &output);
        EXPECT_TRUE(ok) << ReportList::stem(index).toStdString() << ": " << error.toStdString();
        return ok ? pdfText(output) : QString();
    }

    // pdftotext -layout; firstPage/lastPage 0: every page.
    static QString pdfText(const QString &pdf, int firstPage = 0, int lastPage = 0)
    {
        QStringList args{QStringLiteral("-layout")};
        if (firstPage > 0)
            args << QStringLiteral("-f") << QString::number(firstPage) << QStringLiteral("-l")
                 << QString::number(lastPage);
        args << pdf << QStringLiteral("-");
        QProcess tool;
        tool.start(QStringLiteral("pdftotext"), args);
        EXPECT_TRUE(tool.waitForFinished(30000)) << "pdftotext (poppler-utils, scripts/install-deps.sh) is needed";
        EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
        return QString::fromUtf8(tool.readAllStandardOutput());
    }

    // The database line of a saved file, with runs of blanks made one blank as lines() gives it.
    static QString databaseLine(const QString &file)
    {
        return (QStringLiteral("Database = '") + file + QStringLiteral("  ") +
                QLocale().toString(QFileInfo(file).lastModified(), QLocale::ShortFormat) + QStringLiteral("'"))
            .simplified();
    }

    // The text's lines with runs of blanks made one blank.
    static QStringList lines(const QString &text)
    {
        QStringList result;
        for (const QString &line : text.split(u'\n'))
            if (!line.trimmed().isEmpty())
                result << line.simplified();
        return result;
    }

    TempAppFolder folder;
    QTemporaryDir out;
    std::unique_ptr<Database> db;
};
