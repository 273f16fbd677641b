#include "app/ToolLink.h"
#include "config/FileLifecycle.h"
#include "platform/Database.h"
#include "shell/frmMenu.h"
#include "shell/frmMyMsgBox.h"
#include "shell/frmNotePad.h"
#include "ui/WindowRegistry.h"

#include "TempAppFolder.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {
const QString kTitle = QStringLiteral("Linnet Programming Tool");

// Watches for the progress window: whether it was shown, every value its bar
// took while shown, and a chance to act in the middle of the transfer.
class ProgressWatcher : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("frmMsgWait")) {
            auto *window = static_cast<QWidget *>(watched);
            ++shown;
            inFront = window->isWindow() && window->windowHandle() && window->windowHandle()->transientParent();
            auto *bar = window->findChild<QProgressBar *>(QStringLiteral("ssPanel1"));
            values << bar->value();
            connect(bar, &QProgressBar::valueChanged, this, [this](int value) {
                values << value;
                if (onValue)
                    onValue(value);
            });
        }
        return QObject::eventFilter(watched, event);
    }

    int shown = 0;
    bool inFront = false;
    QList<int> values;
    std::function<void(int)> onValue;
};

// The tool's main window with its serial link, against linnet-sim on a
// pseudo-terminal (or a device that does not exist), with scripted prompts.
class ToolTransfer : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppState &state = app.context().state;
        state.variant.ModelName = QStringLiteral("Linnet");
        state.variant.ProductTitle = kTitle;
        menu = std::make_unique<frmMenu>(app.context(), registry);
        files = std::make_unique<FileLifecycle>(app.context());
        menu->setFileCommands(files.get());
        menu->setCaption(kTitle);
        menu->Init_Menu_Options();
        menu->show();
        qApp->installEventFilter(&watcher);
    }
    void TearDown() override
    {
        qApp->removeEventFilter(&watcher);
        link.reset();
        menu.reset();
        QCoreApplication::processEvents();
        if (sim.state() != QProcess::NotRunning) {
            sim.terminate();
            sim.waitForFinished(5000);
        }
    }

    // Starts the simulator, holding the given configuration file if any.
    QString startSim(const QString &load = {})
    {
        QStringList args;
        if (!load.isEmpty())
            args << QStringLiteral("--load") << load;
        sim.start(TempAppFolder::binDir() + QStringLiteral("/linnet-sim"), args);
        EXPECT_TRUE(sim.waitForStarted());
        EXPECT_TRUE(sim.waitForReadyRead(5000));
        return QString::fromLatin1(sim.readLine()).trimmed().section(u' ', 1);
    }
    void connectTo(const QString &device)
    {
        ToolLink::Options options;
        options.device = device;
        link = std::make_unique<ToolLink>(app.context(), *menu, registry, files.get(), options);
    }
    bool enabled(const char *name) const { return menu->menuItem(QString::fromLatin1(name))->isEnabled(); }
    QStringList prompts() { return app.prompter().texts(); }

    TempAppFolder app;
    WindowRegistry registry;
    std::unique_ptr<frmMenu> menu;
    std::unique_ptr<FileLifecycle> files;
    std::unique_ptr<ToolLink> link;
    ProgressWatcher watcher;
    QProcess sim;
};

TEST_F(ToolTransfer, SendShowsItsProgressThenCompletesWithTheMenusBack)
{
    connectTo(startSim());
    files->mnuFileNew_Click();
    ASSERT_EQ(app.context().state.CurrentFileName, QStringLiteral("Untitled"));
    app.prompter().clear();

    // Asked mid-transfer: the window cannot be closed under the transfer, and
    // the UI thread is free (this runs on it while the link works).
    bool closedMidway = true;
    bool disabledMidway = false;
    watcher.onValue = [&](int value) {
        if (value == 50) {
            closedMidway = menu->close();
            disabledMidway = !menu->isEnabled() && !enabled("mnuFile");
        }
    };
    menu->menuItem(QStringLiteral("mnuSend"))->trigger();

    EXPECT_EQ(prompts(), QStringList{QStringLiteral("Send data completed successfully.")});
    EXPECT_EQ(app.prompter().asked().value(0).icon, Prompter::Information);
    EXPECT_EQ(watcher.shown, 1);
    EXPECT_TRUE(watcher.inFront);
    QList<int> expected{0, 1, 3, 10, 20};
    for (int v = 30; v <= 62; ++v)
        expected << v;
    expected << 75 << 80 << 90 << 98 << 100;
    EXPECT_EQ(watcher.values, expected);
    EXPECT_FALSE(closedMidway);
    EXPECT_TRUE(disabledMidway);
    EXPECT_EQ(link->windows().progressWindow(), nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(menu->isEnabled());
    for (const char *name : {"mnuFile", "mnuDate", "mnuHelp", "mnuSchedules", "mnuStation"})
        EXPECT_TRUE(enabled(name)) << name;
    EXPECT_TRUE(QFile::exists(app.context().paths.file(QStringLiteral("tx_data.txt"))));
}

TEST_F(ToolTransfer, ReceiveMakesAnUntitledConfiguration)
{
    connectTo(startSim());
    menu->menuItem(QStringLiteral("mnuRx"))->trigger();

    EXPECT_EQ(prompts(), QStringList{QStringLiteral("Receive Data completed successfully.")});
    EXPECT_EQ(menu->caption(), kTitle + QStringLiteral(" - Untitled"));
    EXPECT_EQ(watcher.values.value(watcher.values.size() - 1), 100);
    EXPECT_EQ(link->windows().progressWindow(), nullptr);
    for (const char *name : {"mnuFile", "mnuDate", "mnuHelp", "mnuSchedules", "mnuConfig"})
        EXPECT_TRUE(enabled(name)) << name;
    EXPECT_FALSE(enabled("mnuRx"));
}

// A port that cannot be opened: the failure message, then its cause; the menus
// that were disabled with no configuration open stay disabled.
TEST_F(ToolTransfer, ADeviceThatDoesNotExistIsNamedAfterTheFailure)
{
    const QString missing = app.file(QStringLiteral("ttyGone0"));
    connectTo(missing);
    menu->menuItem(QStringLiteral("mnuRx"))->trigger();

    const QStringList texts = prompts();
    ASSERT_EQ(texts.size(), 2) << texts.join(u'|').toStdString();
    EXPECT_EQ(texts[0], QStringLiteral("Error receiving data"));
    EXPECT_TRUE(texts[1].startsWith(QStringLiteral("Cannot open ") + missing)) << texts[1].toStdString();
    EXPECT_TRUE(texts[1].contains(QStringLiteral("does not exist")));
    EXPECT_EQ(menu->caption(), kTitle);
    EXPECT_TRUE(menu->isEnabled());
    for (const char *name : {"mnuSchedules", "mnuStation", "mnuConfig"})
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_TRUE(enabled("mnuFile"));
}

TEST_F(ToolTransfer, ReceiveExceptionsOpenTheWarningWhoseViewLogShowsTheLog)
{
    const QString site = app.copyTemplate(QStringLiteral("DEFAULT"), QStringLiteral("site.mdb"));
    {
        Database db(site);
        ASSERT_TRUE(db.exec(QStringLiteral("UPDATE PageGroup SET DialCode = 9 WHERE DialCode = 3")));
    }
    connectTo(startSim(site));
    menu->menuItem(QStringLiteral("mnuRx"))->trigger();

    EXPECT_EQ(prompts(), QStringList{QStringLiteral("Receive Data completed successfully.")});
    auto *box = menu->findChild<frmMyMsgBox *>(QStringLiteral("frmMyMsgBox"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Warning"));
    EXPECT_EQ(box->findChild<QLabel *>(QStringLiteral("lbl1"))->text(),
              QStringLiteral("Receiving exceptions have occurred. Check the Log file for more information."));

    QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("cmdDisplay")), Qt::LeftButton);
    auto *notePad = menu->findChild<frmNotePad *>(QStringLiteral("frmNotePad"));
    ASSERT_NE(notePad, nullptr);
    EXPECT_EQ(notePad->windowTitle(), QStringLiteral("LOG_FILE.TXT"));
    EXPECT_TRUE(notePad->text().startsWith(QStringLiteral("Date - Time - ")));
    EXPECT_TRUE(notePad->text().contains(QStringLiteral("Dialing Code does not match")));
}

TEST(MessageWindow, ViewLogOfAMissingFileSaysSoAndOpensNothing)
{
    TempAppFolder app;
    app.context().state.variant.ProductTitle = kTitle;
    QWidget main;
    int closed = 0;
    auto *box = new frmMyMsgBox(
        app.context(), [&closed] { ++closed; }, &main);
    box->setMsg(QStringLiteral("text"), QStringLiteral("log_file.txt"));
    box->show();
    QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("cmdDisplay")), Qt::LeftButton);

    EXPECT_EQ(closed, 1);
    EXPECT_EQ(app.prompter().texts(), QStringList{QStringLiteral("Can't open file: log_file.txt")});
    EXPECT_EQ(app.prompter().asked().value(0).title, kTitle);
    EXPECT_EQ(main.findChild<frmNotePad *>(), nullptr);
}
} // namespace
