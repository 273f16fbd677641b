#include "config/FileLifecycle.h"
#include "platform/Database.h"
#include "platform/UnixSignals.h"
#include "shell/frmMenu.h"
#include "ui/WindowRegistry.h"

#include "QtPrinters.h"
#include "TempAppFolder.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>

// The main window and the real file commands over a temporary application
// folder: what the user does from the menus, and what a termination signal does.
namespace {
QByteArray bytes(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString archNum(const QString &file)
{
    Database db(file, Database::Mode::ReadOnly);
    return db.scalar(QStringLiteral("SELECT archnum FROM Clid WHERE clid_station = 1")).value_or(QVariant()).toString();
}

void setArchNum(const QString &file, const QString &number)
{
    Database db(file);
    ASSERT_TRUE(db.exec(QStringLiteral("UPDATE Clid SET archnum = ? WHERE clid_station = 1"), {number}));
}

class KeepingWork : public ::testing::Test {
protected:
    void SetUp() override
    {
        menu = std::make_unique<frmMenu>(app.context(), registry);
        files = std::make_unique<FileLifecycle>(app.context());
        menu->setFileCommands(files.get());
        menu->setExitComm([this] { ++exitComm; });
        ASSERT_TRUE(menu->Load(false));
    }
    void TearDown() override
    {
        files.reset();
        menu.reset();
        QCoreApplication::processEvents();
    }
    QAction *item(const QString &name) const { return menu->findChild<QAction *>(name); }
    AppState &state() { return app.context().state; }
    QString workingCopy() { return app.context().paths.TempDbPath(); }
    // A configuration file of its own content: station 1 is numbered number.
    QString configuration(const QString &name, const QString &number)
    {
        const QString file = app.copyTemplate(QStringLiteral("DEFAULT"), name);
        setArchNum(file, number);
        return file;
    }

    TempAppFolder app;
    WindowRegistry registry;
    std::unique_ptr<frmMenu> menu;
    std::unique_ptr<FileLifecycle> files;
    int exitComm = 0;
};
} // namespace

// Recent list A, B, C, D: item n opens file n, and that file stays the open
// one: the caption, the close question and Save all name it, and the list
// moves it to the top.
class RecentFileItem : public KeepingWork, public ::testing::WithParamInterface<int> {};

TEST_P(RecentFileItem, OpensThatFileAndSavesOverItAlone)
{
    const int n = GetParam();
    const QStringList names{QStringLiteral("A.MDB"), QStringLiteral("B.MDB"), QStringLiteral("C.MDB"),
                            QStringLiteral("D.MDB")};
    QStringList list;
    for (const QString &name : names)
        list << configuration(name, name.left(1) + QStringLiteral("001"));
    QList<QByteArray> before;
    for (const QString &file : list)
        before << bytes(file);
    for (int i = 0; i < 4; ++i)
        state().settings.FileArray[std::size_t(i)] = list[i];
    menu->DisplayFileArray();
    const QString opened = list[n - 1];

    item(QStringLiteral("mnuFileArray%1").arg(n))->trigger();

    ASSERT_EQ(state().CurrentFileName, opened);
    EXPECT_TRUE(menu->windowTitle().endsWith(QStringLiteral(" - ") + opened));
    QStringList expected = list;
    expected.move(n - 1, 0);
    EXPECT_EQ(QStringList(state().settings.FileArray.begin(), state().settings.FileArray.end()), expected);
    EXPECT_EQ(item(QStringLiteral("mnuFileArray1"))->text(), QStringLiteral("&1 ") + opened);

    setArchNum(workingCopy(), QStringLiteral("9999"));
    state().UnsavedChanges = true;
    menu->setSaveEnabled(true);
    app.prompter().answer(Prompter::AnswerCancel);
    item(QStringLiteral("mnuFileClose"))->trigger();
    EXPECT_EQ(app.prompter().texts(),
              QStringList{QStringLiteral("Do you want to save changes to ") + opened + QStringLiteral("?")});

    item(QStringLiteral("mnuFileSave"))->trigger();

    EXPECT_FALSE(state().UnsavedChanges);
    EXPECT_EQ(archNum(opened), QStringLiteral("9999"));
    for (int i = 0; i < 4; ++i) {
        if (i != n - 1) {
            EXPECT_EQ(bytes(list[i]), before[i]) << names[i].toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Items, RecentFileItem, ::testing::Values(1, 2, 3, 4));

// SIGTERM (as SIGINT and SIGHUP) reaches the shut-down through the event loop,
// and the shut-down asks nothing: settings saved, the serial link closed, the
// errors database compacted, and the changed working copy kept for the next start.
TEST_F(KeepingWork, ATerminationSignalShutsDownWithoutQuestionsAndKeepsTheChanges)
{
    const QString file = configuration(QStringLiteral("site.mdb"), QStringLiteral("1000"));
    ASSERT_TRUE(files->OpenDatabase(file));
    setArchNum(workingCopy(), QStringLiteral("9999"));
    state().UnsavedChanges = true;
    menu->resize(700, 500);
    app.prompter().clear();

    bool shutDown = false;
    {
        UnixSignals termination({SIGTERM, SIGINT, SIGHUP});
        ASSERT_TRUE(termination.ok());
        QObject::connect(&termination, &UnixSignals::received, menu.get(), [&](int signalNumber) {
            EXPECT_EQ(signalNumber, SIGTERM);
            menu->shutDownWithoutQuestions();
            shutDown = true;
        });
        ::raise(SIGTERM);
        QElapsedTimer waited;
        waited.start();
        while (!shutDown && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    ASSERT_TRUE(shutDown);

    EXPECT_TRUE(app.prompter().asked().isEmpty()) << app.prompter().texts().join(u'|').toStdString();
    EXPECT_EQ(exitComm, 1);
    EXPECT_EQ(archNum(workingCopy()), QStringLiteral("9999"));
    EXPECT_TRUE(QFile::exists(app.context().paths.UnsavedMarkerPath()));
    EXPECT_EQ(archNum(file), QStringLiteral("1000"));
    EXPECT_TRUE(QFile::exists(app.context().paths.file(QStringLiteral("errors.bak"))));
    QFile ini(app.context().paths.IniFilePath());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("MDI Height="));

    // Closing the window afterwards asks nothing either.
    menu->close();
    EXPECT_TRUE(app.prompter().asked().isEmpty());
}
