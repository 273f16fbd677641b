// The date and time dialog: filled from the controller, its field handling
// through real key and focus events, and what Update sends.
#include "TempAppFolder.h"
#include "editors/datetime/frmDate.h"
#include "link/datetime/DateTimeSession.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {
class DateDialogTest : public ::testing::Test {
protected:
    DateDialogTest()
    {
        app.context().state.variant.ProductTitle = QStringLiteral("Linnet Programming Tool");
        session.reply = "T235959123105";
        session.daylight = {true, false};
        session.sendDaylight = [this](bool on) {
            sent << (on ? QStringLiteral("U11") : QStringLiteral("U01"));
            return true;
        };
        session.sendDateTime = [this](const QByteArray &body) {
            sent << QString::fromLatin1(body);
            return accepted;
        };
    }

    void open()
    {
        dialog = std::make_unique<frmDate>(app.context());
        dialog->Load(session);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    template <typename W = QLineEdit> W *find(const char *name)
    {
        return dialog->findChild<W *>(QString::fromLatin1(name));
    }
    QLineEdit *focused() { return qobject_cast<QLineEdit *>(QApplication::focusWidget()); }
    void type(const char *name, const char *text)
    {
        QLineEdit *e = find(name);
        e->setFocus();
        QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, QString::fromLatin1(text));
    }

    TempAppFolder app;
    DateTimeSession session;
    QStringList sent;
    bool accepted = true;
    std::unique_ptr<frmDate> dialog;
};
} // namespace

TEST_F(DateDialogTest, ShowsTheControllersValues)
{
    open();
    const char *names[] = {"txtDate(0)", "txtDate(1)", "txtDate(2)", "txtTime(0)", "txtTime(1)", "txtTime(2)"};
    QStringList values;
    for (const char *n : names)
        values << find(n)->text();
    EXPECT_EQ(values, (QStringList{"12", "31", "05", "23", "59", "59"}));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Set System Date and Time"));
    EXPECT_EQ(focused(), find("txtDate(0)"));
    EXPECT_TRUE(find<QCheckBox>("daylight")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>("daylight")->isChecked());
    QScrollBar *bar = find<QScrollBar>("scrollDate");
    EXPECT_EQ(bar->minimum(), -12);
    EXPECT_EQ(bar->maximum(), -1);
    EXPECT_EQ(bar->value(), -12);
    for (const char *b : {"cmdOK", "cmdCancel"}) {
        EXPECT_FALSE(find<QPushButton>(b)->autoDefault());
        EXPECT_FALSE(find<QPushButton>(b)->isDefault());
    }
}

TEST_F(DateDialogTest, FieldRulesThroughTheKeyboard)
{
    open();
    // Letters never reach a field.
    QTest::keyClicks(find("txtDate(0)"), QStringLiteral("x/"));
    EXPECT_EQ(find("txtDate(0)")->text(), QStringLiteral("12"));
    // Month 13 is refused on leaving and the month shown before comes back.
    type("txtDate(0)", "13");
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(app.prompter().texts(), QStringList{QStringLiteral("Invalid date entry")});
    EXPECT_EQ(app.prompter().asked().first().title, QStringLiteral("Set System Date and Time"));
    EXPECT_EQ(find("txtDate(0)")->text(), QStringLiteral("12"));
    EXPECT_EQ(focused(), find("txtDate(0)"));
    // 7 becomes 07; 07 typed moves on at once.
    type("txtTime(0)", "7");
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(find("txtTime(0)")->text(), QStringLiteral("07"));
    type("txtTime(0)", "08");
    EXPECT_EQ(focused(), find("txtTime(1)"));
    // The year field's bar runs 0 to 99.
    find("txtDate(2)")->setFocus();
    EXPECT_EQ(find<QScrollBar>("scrollDate")->minimum(), -99);
    EXPECT_EQ(find<QScrollBar>("scrollDate")->maximum(), 0);
    // Up on the bar increases the attached field.
    QTest::keyClick(find<QScrollBar>("scrollDate"), Qt::Key_Up);
    EXPECT_EQ(find("txtDate(2)")->text(), QStringLiteral("06"));
}

TEST_F(DateDialogTest, UpdateSendsDaylightThenDateAndTime)
{
    open();
    find<QCheckBox>("daylight")->setChecked(true);
    find<QPushButton>("cmdOK")->click();
    EXPECT_EQ(sent, (QStringList{"U11", "T235959123105"}));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(app.prompter().asked().isEmpty());
}

TEST_F(DateDialogTest, WithoutDaylightSupportOnlyTheTimeIsSent)
{
    session.daylight = {false, false};
    accepted = false;
    open();
    EXPECT_FALSE(find<QCheckBox>("daylight")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>("daylight")->isChecked());
    find<QPushButton>("cmdOK")->click();
    EXPECT_EQ(sent, QStringList{"T235959123105"});
    // A refusal is reported and the dialog still closes.
    EXPECT_EQ(
        app.prompter().texts(),
        QStringList{QStringLiteral("A Communication Problem occurred. Time could not be updated. Please try  again.")});
    EXPECT_EQ(app.prompter().asked().first().icon, Prompter::NoIcon);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(DateDialogTest, AnImpossibleCalendarDateIsRefusedAndTheDialogStays)
{
    session.reply = "T120000023106"; // 02/31 passes every field check
    open();
    find<QPushButton>("cmdOK")->click();
    EXPECT_TRUE(sent.isEmpty());
    EXPECT_EQ(app.prompter().texts(), QStringList{QStringLiteral("Invalid date entry")});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(focused(), find("txtDate(0)"));
}

TEST_F(DateDialogTest, EnterPressesNothingAndEscapeCancels)
{
    open();
    QTest::keyClick(find("txtDate(0)"), Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(find("txtDate(0)"), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(sent.isEmpty());
}
