#include "OptionWindowFixture.h"

#include "editors/clocks/ClockCatalogue.h"
#include "editors/clocks/frmClock.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

using namespace Qt::StringLiterals;

class ClockWindow : public OptionWindowFixture {
protected:
    void SetUp() override
    {
        OptionWindowFixture::SetUp();
        // A catalogue whose correction texts all differ, and a name with a quote.
        exec(u"DELETE FROM Clocks"_s);
        exec(u"INSERT INTO Clocks (CIndex, CCorrected) VALUES ('Impulse 24V', 'Every hour'), "
             "('Impulse 12V', 'Every minute'), ('Smith''s Code', 'Every second')"_s);
    }

    frmClock *openClock() { return open<frmClock>(u"frmClock"_s); }
    QVariant clockDef(const QString &column) { return stored(u"ClockDef"_s, column); }
    static QComboBox *list(QWidget *w, const QString &name) { return control<QComboBox>(w, name); }
    static QString label(QWidget *w, const QString &name) { return control<QLabel>(w, name)->text(); }
};

TEST_F(ClockWindow, OpeningShowsTheStoredTypesWithTheirCorrections)
{
    exec(u"UPDATE ClockDef SET ClockA = 2, ClockB = 3, Direction = 1, BCD_Type = 2"_s);
    frmClock *w = openClock();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), u"Modify Clock Configurations"_s);
    auto *sss = control<QTabWidget>(w, u"sss"_s);
    EXPECT_EQ(sss->tabText(0), u"Digital"_s);
    EXPECT_EQ(sss->tabText(1), u"Clock A"_s);
    EXPECT_EQ(sss->tabText(2), u"Clock B"_s);
    EXPECT_EQ(control<QGroupBox>(w, u"fraBCDType"_s)->title(), u"Digital Type"_s);
    EXPECT_EQ(list(w, u"cbClockA"_s)->count(), 3);
    EXPECT_EQ(list(w, u"cbClockA"_s)->currentText(), u"Impulse 12V"_s);
    EXPECT_EQ(label(w, u"lblCorrection"_s), u"Every minute"_s);
    EXPECT_EQ(list(w, u"cbClockB"_s)->currentText(), u"Smith's Code"_s);
    EXPECT_EQ(label(w, u"lblCorrectionB"_s), u"Every second"_s);
    EXPECT_TRUE(checked(w, u"optDirection1"_s));
    EXPECT_TRUE(checked(w, u"optBCDType2"_s));
    EXPECT_FALSE(w->UncommittedChanges());
    EXPECT_FALSE(host.saveEnabled());

    click(w, u"cmdOk"_s);
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(ctx().state.UnsavedChanges);
    EXPECT_EQ(clockDef(u"ClockA"_s).toInt(), 2);
}

TEST_F(ClockWindow, ChoosingTheThirdTypeForClockBStoresThree)
{
    frmClock *w = openClock();
    ASSERT_TRUE(w);
    control<QTabWidget>(w, u"sss"_s)->setCurrentIndex(2);
    QComboBox *cb = list(w, u"cbClockB"_s);
    cb->showPopup();
    EXPECT_TRUE(w->UncommittedChanges());
    EXPECT_TRUE(host.saveEnabled());
    cb->setCurrentIndex(2);
    cb->hidePopup();
    EXPECT_EQ(label(w, u"lblCorrectionB"_s), u"Every second"_s);
    click(w, u"cmdOk"_s);
    EXPECT_EQ(clockDef(u"ClockB"_s).toInt(), 3);
    EXPECT_EQ(clockDef(u"ClockA"_s).toInt(), 1);
    EXPECT_TRUE(ctx().state.UnsavedChanges);
}

TEST_F(ClockWindow, TypeChosenFromTheKeyboardIsStoredAndMarksTheConfiguration)
{
    frmClock *w = openClock();
    ASSERT_TRUE(w);
    control<QTabWidget>(w, u"sss"_s)->setCurrentIndex(1);
    QComboBox *cb = list(w, u"cbClockA"_s);
    cb->setFocus();
    QTest::keyClick(cb, Qt::Key_Down);
    EXPECT_EQ(cb->currentIndex(), 1);
    EXPECT_EQ(label(w, u"lblCorrection"_s), u"Every minute"_s);
    EXPECT_TRUE(w->UncommittedChanges());
    click(w, u"cmdOk"_s);
    EXPECT_EQ(clockDef(u"ClockA"_s).toInt(), 2);
    EXPECT_TRUE(ctx().state.UnsavedChanges);
}

TEST_F(ClockWindow, OutputIsStoredOnlyByOk)
{
    const struct {
        const char *button;
        int direction;
        bool unsaved;
    } cases[] = {{"cmdOk", 1, true}, {"cmdCancel", 0, false}};
    for (const auto &c : cases) {
        exec(u"UPDATE ClockDef SET Direction = 0, BCD_Type = 0"_s);
        ctx().state.UnsavedChanges = false;
        frmClock *w = openClock();
        ASSERT_TRUE(w);
        click(w, u"optDirection1"_s);
        click(w, u"optBCDType3"_s);
        EXPECT_TRUE(w->UncommittedChanges());
        click(w, QString::fromLatin1(c.button));
        EXPECT_FALSE(w->isVisible()) << c.button;
        EXPECT_EQ(clockDef(u"Direction"_s).toInt(), c.direction) << c.button;
        EXPECT_EQ(clockDef(u"BCD_Type"_s).toInt(), c.direction == 1 ? 3 : 0) << c.button;
        EXPECT_EQ(bool(ctx().state.UnsavedChanges), c.unsaved) << c.button;
        EXPECT_FALSE(w->UncommittedChanges());
    }
    EXPECT_EQ(host.updateFileSaveOptCalls, 2);
}

TEST_F(ClockWindow, EscapeAndTheFrameCancelAndShowTheStoredRowAgain)
{
    for (const bool escape : {false, true}) {
        frmClock *w = openClock();
        ASSERT_TRUE(w);
        click(w, u"optDirection1"_s);
        list(w, u"cbClockA"_s)->setCurrentIndex(2);
        escapeOrClose(w, escape, u"optDirection1"_s);
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(clockDef(u"Direction"_s).toInt(), 0);
        EXPECT_EQ(clockDef(u"ClockA"_s).toInt(), 1);
        EXPECT_TRUE(checked(w, u"optDirection0"_s));
        EXPECT_EQ(list(w, u"cbClockA"_s)->currentIndex(), 0);
        EXPECT_FALSE(ctx().state.UnsavedChanges);
    }
}

TEST_F(ClockWindow, EnterPressesNoButton)
{
    frmClock *w = openClock();
    ASSERT_TRUE(w);
    click(w, u"optDirection1"_s);
    for (const QString name : {u"optDirection1"_s, u"cmdOk"_s, u"cmdCancel"_s}) {
        QWidget *c = control(w, name);
        c->setFocus();
        QTest::keyClick(c, Qt::Key_Return);
    }
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(clockDef(u"Direction"_s).toInt(), 0);
}

TEST_F(ClockWindow, EmptyCatalogueStillOpensAndKeepsTheStoredTypes)
{
    exec(u"DELETE FROM Clocks"_s);
    exec(u"UPDATE ClockDef SET ClockA = 2, ClockB = 0"_s);
    const int errorsBefore = loggedErrors();
    frmClock *w = openClock();
    ASSERT_TRUE(w);
    EXPECT_EQ(list(w, u"cbClockA"_s)->count(), 0);
    EXPECT_EQ(list(w, u"cbClockB"_s)->count(), 0);
    EXPECT_EQ(list(w, u"cbClockA"_s)->currentIndex(), -1);
    // Position 2 of an empty list is a fault; position 0 (no type) is not.
    EXPECT_EQ(loggedErrors(), errorsBefore + 1);
    click(w, u"optDirection1"_s);
    click(w, u"cmdOk"_s);
    EXPECT_EQ(clockDef(u"ClockA"_s).toInt(), 2);
    EXPECT_EQ(clockDef(u"ClockB"_s).toInt(), 0);
    EXPECT_EQ(clockDef(u"Direction"_s).toInt(), 1);
}

TEST_F(ClockWindow, FailedWriteKeepsTheWindowAndItsChanges)
{
    refuseWrites(u"ClockDef"_s);
    frmClock *w = openClock();
    ASSERT_TRUE(w);
    click(w, u"optDirection1"_s);
    click(w, u"cmdOk"_s);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->UncommittedChanges());
    EXPECT_TRUE(checked(w, u"optDirection1"_s));
    EXPECT_FALSE(ctx().state.UnsavedChanges);
    ASSERT_EQ(folder.prompter().asked().size(), 1);
    EXPECT_TRUE(folder.prompter().asked()[0].text.startsWith(u"The clock configuration could not be saved:"_s));
}

TEST(ClockCatalogue, StoredPositionSelectsAnEntryOrNone)
{
    const struct {
        int position, count, index;
        bool fault;
    } cases[] = {{1, 3, 0, false},  {3, 3, 2, false}, {0, 3, -1, false}, {4, 3, -1, true},
                 {-1, 3, -1, true}, {1, 0, -1, true}, {0, 0, -1, false}};
    for (const auto &c : cases) {
        bool fault = false;
        EXPECT_EQ(ClockCatalogue::entryIndex(c.position, c.count, &fault), c.index) << c.position << "/" << c.count;
        EXPECT_EQ(fault, c.fault) << c.position << "/" << c.count;
    }
}

TEST_F(ClockWindow, TabGoesThroughThePageThenToTheButtons)
{
    frmClock *w = openClock();
    ASSERT_TRUE(w);
    // The tab strip takes the focus for its tab widget.
    const auto focused = [] {
        QWidget *f = QApplication::focusWidget();
        return qobject_cast<QTabWidget *>(f->parentWidget()) ? f->parentWidget()->objectName() : f->objectName();
    };
    control(w, u"sss"_s)->setFocus();
    QStringList order{focused()};
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << focused();
    }
    EXPECT_EQ(order,
              (QStringList{u"sss"_s, u"optDirection0"_s, u"optBCDType0"_s, u"cmdOk"_s, u"cmdCancel"_s, u"sss"_s}));
}
