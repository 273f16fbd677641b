#include "QtPrinters.h"
#include "ReportFixture.h"
#include "WindowControls.h"

#include "editors/EditorsRegistration.h"
#include "editors/print/frmPrint.h"
#include "ui/WindowRegistry.h"
#include "ui/WindowUtil.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// The Print dialog opened through the window registry as the main window opens
// it, printing to PDF files through LINNET_PRINT_TO_PDF.
class PrintDialogTest : public ReportFixture, protected WindowControls {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        registerEditorWindows(registry);
        qputenv(PrintDestination::kEnvironmentVariable, out.path().toUtf8());
    }
    void TearDown() override { qunsetenv(PrintDestination::kEnvironmentVariable); }

    std::unique_ptr<frmPrint> open()
    {
        auto *w = qobject_cast<frmPrint *>(registry.create(u"frmPrint"_s, ctx(), nullptr));
        EXPECT_NE(w, nullptr);
        return std::unique_ptr<frmPrint>(w);
    }

    static QList<bool> checked(frmPrint &dialog)
    {
        QList<bool> result;
        for (int i = 0; i < ReportList::kCount; ++i)
            result << control<QCheckBox>(&dialog, u"chkPrint%1"_s.arg(i))->isChecked();
        return result;
    }
    QStringList written() const { return QDir(out.path()).entryList(QDir::Files, QDir::Name); }
    int loggedErrors(const QString &where)
    {
        Database errors(ctx().paths.ErrorsDbPath());
        return errors
            .scalar(u"SELECT count(*) FROM Error WHERE ErrProgram = 'frmPrint' AND errmodule = 'frmPrint' AND "
                    "errfcn = ?"_s,
                    {where})
            .value_or(-1)
            .toInt();
    }

    WindowRegistry registry;
};

TEST_F(PrintDialogTest, ShowsTheNineReportsAndItsButtons)
{
    ctx().state.ClockBoard = true;
    auto dialog = open();
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), u"Print"_s);
    EXPECT_EQ(control<QWidget>(dialog.get(), u"Frame1"_s)->property("title").toString(), u"Select data to print"_s);
    for (int i = 0; i < ReportList::kCount; ++i) {
        auto *box = control<QCheckBox>(dialog.get(), u"chkPrint%1"_s.arg(i));
        EXPECT_EQ(box->text(), ReportList::caption(i));
        EXPECT_TRUE(box->isVisible());
        EXPECT_FALSE(box->isChecked());
    }
    EXPECT_EQ(control<QPushButton>(dialog.get(), u"cmdPrint"_s)->text(), u"Print"_s);
    EXPECT_EQ(control<QPushButton>(dialog.get(), u"cmdSelectAll"_s)->text(), u"Select All"_s);
    EXPECT_EQ(control<QPushButton>(dialog.get(), u"cmdCancel"_s)->text(), u"Cancel"_s);
    EXPECT_TRUE(control<QPushButton>(dialog.get(), u"cmdPrint"_s)->isEnabled());
    EXPECT_TRUE(folder.prompter().asked().isEmpty());
}

TEST_F(PrintDialogTest, WithoutAClockBoardTheClockReportIsHiddenAndLeftOutBySelectAll)
{
    ctx().state.ClockBoard = true;
    auto withClock = open();
    click(withClock.get(), u"cmdSelectAll"_s);
    EXPECT_EQ(checked(*withClock), QList<bool>(9, true));

    ctx().state.ClockBoard = false;
    auto dialog = open();
    dialog->show();
    EXPECT_FALSE(dialog->chkPrint(8)->isVisible());
    EXPECT_EQ(withClock->height() - dialog->height(), twips(300));
    click(dialog.get(), u"cmdSelectAll"_s);
    QList<bool> expected(9, true);
    expected[8] = false;
    EXPECT_EQ(checked(*dialog), expected);

    click(dialog.get(), u"cmdPrint"_s);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(written(), (QStringList{u"Bgm.pdf"_s, u"Clid.pdf"_s, u"PageGrp.pdf"_s, u"Phonlst.pdf"_s, u"class.pdf"_s,
                                      u"dip.pdf"_s, u"event.pdf"_s, u"sched.pdf"_s}));
}

TEST_F(PrintDialogTest, PrintsOnlyTheCheckedReportsForTheOpenConfiguration)
{
    auto dialog = open();
    dialog->chkPrint(7)->setChecked(true);
    dialog->chkPrint(3)->setChecked(true);
    click(dialog.get(), u"cmdPrint"_s);
    EXPECT_EQ(written(), (QStringList{u"dip.pdf"_s, u"sched.pdf"_s}));
    EXPECT_EQ(lines(pdfText(out.filePath(u"sched.pdf"_s))).value(1), u"Database = 'Untitled'"_s);
    EXPECT_TRUE(folder.prompter().asked().isEmpty());

    // A saved configuration is named with its file's date.
    const QString file = folder.copyTemplate(u"DEFAULT"_s, u"school.mdb"_s);
    ctx().state.CurrentFileName = file;
    auto again = open();
    again->chkPrint(3)->setChecked(true);
    click(again.get(), u"cmdPrint"_s);
    EXPECT_EQ(lines(pdfText(out.filePath(u"sched.pdf"_s))).value(1), databaseLine(file));
}

TEST_F(PrintDialogTest, NothingCheckedPrintsNothingAndCloses)
{
    auto dialog = open();
    dialog->show();
    click(dialog.get(), u"cmdPrint"_s);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(written().isEmpty());
}

TEST_F(PrintDialogTest, AMissingDefinitionIsReportedOnceAndPrintStaysDisabled)
{
    // Also the clock report's file, although its box is hidden without a clock board.
    for (const QString &name : {u"clocks.rpt"_s, u"event.rpt"_s}) {
        folder.prompter().clear();
        const QString path = ctx().paths.file(u"reports/"_s + name);
        ASSERT_TRUE(QFile::rename(path, path + u".away"_s));
        auto dialog = open();
        ASSERT_EQ(folder.prompter().asked().size(), 1) << name.toStdString();
        const auto &prompt = folder.prompter().asked().first();
        EXPECT_EQ(prompt.text, u"Cannot print data because print files not found."_s);
        EXPECT_EQ(prompt.title, u"Print"_s);
        EXPECT_EQ(prompt.icon, Prompter::Exclamation);
        EXPECT_FALSE(control<QPushButton>(dialog.get(), u"cmdPrint"_s)->isEnabled());
        EXPECT_TRUE(control<QPushButton>(dialog.get(), u"cmdCancel"_s)->isEnabled());
        ASSERT_TRUE(QFile::rename(path + u".away"_s, path));
    }
}

TEST_F(PrintDialogTest, AFailingReportEndsThePrintingIsLoggedAndSaid)
{
    {
        QFile f(ctx().paths.file(u"reports/event.rpt"_s));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("title=Broken\nquery=SELECT nothing FROM nowhere\ncolumn=nothing|N|3\n");
    }
    auto dialog = open();
    dialog->show();
    for (int i : {0, 4, 6})
        dialog->chkPrint(i)->setChecked(true);
    click(dialog.get(), u"cmdPrint"_s);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(written(), QStringList{u"Bgm.pdf"_s});
    EXPECT_EQ(loggedErrors(u"cmdPrint"_s), 1);
    ASSERT_EQ(folder.prompter().asked().size(), 1);
    EXPECT_TRUE(folder.prompter().asked().first().text.startsWith(
        u"\"Schedule - Events\" could not be printed: the query failed: "_s))
        << folder.prompter().asked().first().text.toStdString();
    EXPECT_EQ(folder.prompter().asked().first().icon, Prompter::Exclamation);
}

TEST_F(PrintDialogTest, EnterPressesNoButtonAndEscapeCancels)
{
    auto dialog = open();
    dialog->chkPrint(0)->setChecked(true);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    for (const QString &name : {u"chkPrint0"_s, u"cmdPrint"_s, u"cmdSelectAll"_s, u"cmdCancel"_s}) {
        auto *w = control<QWidget>(dialog.get(), name);
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Return);
        QTest::keyClick(w, Qt::Key_Enter);
    }
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(written().isEmpty());
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(written().isEmpty());
}

TEST_F(PrintDialogTest, TabFollowsTheBoxesThenTheButtons)
{
    ctx().state.ClockBoard = true;
    auto dialog = open();
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    dialog->chkPrint(0)->setFocus();
    QStringList order;
    for (int i = 0; i < 12; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (QStringList{u"chkPrint0"_s, u"chkPrint1"_s, u"chkPrint2"_s, u"chkPrint3"_s, u"chkPrint4"_s,
                                  u"chkPrint5"_s, u"chkPrint6"_s, u"chkPrint7"_s, u"chkPrint8"_s, u"cmdPrint"_s,
                                  u"cmdSelectAll"_s, u"cmdCancel"_s}));
}
