#include "OptionWindowFixture.h"

#include "editors/options/frmDip.h"
#include "editors/options/frmDipSw.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {
QColor fillOf(QWidget *mark)
{
    return mark ? mark->palette().color(QPalette::Window) : QColor();
}
} // namespace

class SystemOptionsWindow : public OptionWindowFixture {
protected:
    frmDip *openDip() { return open<frmDip>(u"frmDip"_s); }
    QVariant dip(const QString &column) { return stored(u"DipSwitch"_s, column); }
    QVariantList dipRow() { return db->rows(u"SELECT * FROM DipSwitch"_s).value().value(0); }
};

TEST_F(SystemOptionsWindow, OpeningSelectsTheStoredOptionsWithoutCountingAsAChange)
{
    // -1 is how a yes/no column says true in files of the older engine.
    exec(u"UPDATE DipSwitch SET ExtToneSource = 1, PriorityGlobal = 1, RingPattern = 2, LowStn21 = -1"_s);
    const QVariantList before = dipRow();
    frmDip *w = openDip();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), u"System Options"_s);
    EXPECT_TRUE(checked(w, u"optToneSource1"_s));
    EXPECT_TRUE(checked(w, u"optPriority1"_s));
    EXPECT_TRUE(checked(w, u"optRingPattern2"_s));
    EXPECT_EQ(control<QLabel>(w, u"lblRingPattern"_s)->text(), u"2"_s);
    EXPECT_TRUE(checked(w, u"chkLowStation0"_s));
    EXPECT_FALSE(w->UncommittedChanges());
    EXPECT_FALSE(host.saveEnabled());

    // OK without touching anything writes nothing, not even a -1 as 1.
    click(w, u"cmdOK"_s);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(dipRow(), before);
    EXPECT_FALSE(ctx().state.UnsavedChanges);
    EXPECT_EQ(host.updateFileSaveOptCalls, 1);
}

TEST_F(SystemOptionsWindow, ExternalThenCancelStoresNothing)
{
    frmDip *w = openDip();
    ASSERT_TRUE(w);
    click(w, u"optToneSource1"_s);
    EXPECT_TRUE(checked(w, u"chkExtToneSource"_s));
    EXPECT_TRUE(w->UncommittedChanges());
    EXPECT_TRUE(host.saveEnabled());
    click(w, u"cmdCancel"_s);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(dip(u"ExtToneSource"_s).toInt(), 0);
    EXPECT_FALSE(ctx().state.UnsavedChanges);
    EXPECT_FALSE(w->UncommittedChanges());
    EXPECT_EQ(host.updateFileSaveOptCalls, 1);
    // Shown again, the window starts from what is stored.
    w->show();
    EXPECT_TRUE(checked(w, u"optToneSource0"_s));
}

TEST_F(SystemOptionsWindow, DutchThenOkStoresThePatternAndMarksTheConfiguration)
{
    const QVariantList before = dipRow();
    frmDip *w = openDip();
    ASSERT_TRUE(w);
    click(w, u"optRingPattern1"_s);
    EXPECT_EQ(control<QLabel>(w, u"lblRingPattern"_s)->text(), u"1"_s);
    EXPECT_TRUE(w->UncommittedChanges());
    click(w, u"chkPrivacyTone"_s);
    click(w, u"optPriority1"_s);
    click(w, u"cmdOK"_s);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(ctx().state.UnsavedChanges);
    QVariantList expected = before;
    expected[10] = 0; // PrivacyTone, on in DEFAULT
    expected[11] = 1; // PriorityGlobal
    expected[13] = 1; // RingPattern Dutch
    EXPECT_EQ(dipRow(), expected);
}

TEST_F(SystemOptionsWindow, ClosingTheFrameOrPressingEscapeWritesNothing)
{
    for (const bool escape : {false, true}) {
        ctx().state.UnsavedChanges = false;
        frmDip *w = openDip();
        ASSERT_TRUE(w);
        click(w, u"chkLowStation3"_s);
        click(w, u"optRingPattern2"_s);
        escapeOrClose(w, escape, u"optRingPattern2"_s);
        EXPECT_FALSE(w->isVisible()) << "escape " << escape;
        EXPECT_EQ(dip(u"LowStn24"_s).toInt(), 0);
        EXPECT_EQ(dip(u"RingPattern"_s).toInt(), 0);
        EXPECT_FALSE(ctx().state.UnsavedChanges);
    }
}

TEST_F(SystemOptionsWindow, EnterPressesNoButton)
{
    frmDip *w = openDip();
    ASSERT_TRUE(w);
    click(w, u"chkDialTone"_s);
    for (const QString name : {u"chkDialTone"_s, u"cmdCancel"_s, u"cmdOK"_s}) {
        QWidget *c = control(w, name);
        c->setFocus();
        QTest::keyClick(c, Qt::Key_Return);
        QTest::keyClick(c, Qt::Key_Enter);
    }
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(dip(u"DialTone"_s).toInt(), 1);
}

TEST_F(SystemOptionsWindow, SwitchPictureShowsTheControlsAsTheyStandBeforeOk)
{
    exec(u"UPDATE DipSwitch SET QueueTone = 0, RingPattern = 2"_s);
    frmDip *w = openDip();
    ASSERT_TRUE(w);
    click(w, u"chkQueueTone"_s);
    click(w, u"optToneSource1"_s);
    click(w, u"cmdDipswitch"_s);
    frmDipSw *picture = w->dipSwitchWindow();
    ASSERT_TRUE(picture);
    EXPECT_TRUE(picture->isModal());
    EXPECT_EQ(picture->windowTitle(), u"Dipswitch Equivalents (Main Board)"_s);
    const auto text = [picture](int index) { return control<QLabel>(picture, u"lblSwitch%1"_s.arg(index))->text(); };
    const auto on = [picture](int index) { return fillOf(control(picture, u"shpOn%1"_s.arg(index))); };
    const auto off = [picture](int index) { return fillOf(control(picture, u"shpOff%1"_s.arg(index))); };

    EXPECT_EQ(text(5), u"ON"_s); // switch 6, the unsaved queue tone
    EXPECT_EQ(on(5), QColor(Qt::white));
    EXPECT_EQ(off(5), QColor(Qt::black));
    EXPECT_EQ(text(15), u"ON"_s); // switch 16, external tone source
    EXPECT_EQ(text(0), u"OFF"_s);
    EXPECT_EQ(on(0), QColor(Qt::black));
    EXPECT_EQ(off(0), QColor(Qt::white));
    EXPECT_EQ(text(13), u"ON"_s); // British: 14 ON, 15 OFF
    EXPECT_EQ(text(14), u"OFF"_s);
    // Switch 5 keeps its grey marks and no text.
    EXPECT_EQ(text(4), QString());
    EXPECT_EQ(on(4), frmDipSw::kUnsetColor);
    EXPECT_EQ(off(4), frmDipSw::kUnsetColor);
    EXPECT_EQ(dip(u"QueueTone"_s).toInt(), 0);

    click(picture, u"cmdClose"_s);
    EXPECT_FALSE(picture->isVisible());
    EXPECT_TRUE(w->isVisible());
}

TEST_F(SystemOptionsWindow, FailedWriteKeepsTheWindowAndItsChanges)
{
    refuseWrites(u"DipSwitch"_s);
    frmDip *w = openDip();
    ASSERT_TRUE(w);
    click(w, u"optRingPattern1"_s);
    const int errorsBefore = loggedErrors();
    click(w, u"cmdOK"_s);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->UncommittedChanges());
    EXPECT_TRUE(checked(w, u"optRingPattern1"_s));
    EXPECT_FALSE(ctx().state.UnsavedChanges);
    ASSERT_EQ(folder.prompter().asked().size(), 1);
    EXPECT_TRUE(folder.prompter().asked()[0].text.startsWith(u"The system options could not be saved:"_s));
    EXPECT_EQ(folder.prompter().asked()[0].icon, Prompter::Exclamation);
    EXPECT_EQ(loggedErrors(), errorsBefore + 1);
}

TEST_F(SystemOptionsWindow, TabGoesFrameByFrameThenToTheButtons)
{
    frmDip *w = openDip();
    ASSERT_TRUE(w);
    control(w, u"chkDialTone"_s)->setFocus();
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 16; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    // An option group takes the focus once, on its selected option.
    EXPECT_EQ(order, (QStringList{u"chkDialTone"_s, u"chkQueueTone"_s, u"chkHfAlertTone"_s, u"chkPageAlertTone"_s,
                                  u"chkRingbackTone"_s, u"chkPrivacyTone"_s, u"optToneSource0"_s, u"chkLowStation0"_s,
                                  u"chkLowStation1"_s, u"chkLowStation2"_s, u"chkLowStation3"_s, u"optRingPattern0"_s,
                                  u"optPriority0"_s, u"chkOverride"_s, u"cmdDipswitch"_s, u"cmdOK"_s, u"cmdCancel"_s}));
}
