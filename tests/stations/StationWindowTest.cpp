// The station window and the station and conflict dialogs, driven through
// their named controls.
#include "StationWindowFixture.h"

#include "editors/stations/StationLine.h"

#include <QLabel>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

using StationWindow = StationWindowFixture;

TEST_F(StationWindow, ShowsEveryBoardAndEnablesOnlyTheFittedOnes)
{
    store(1, u"100"_s, u"Front desk"_s);
    store(96, u"9999"_s, u"O'Hara \"50%\" Zoë"_s);
    ctx().state.ExpansionBoards = 1;
    frmClid *w = open();
    EXPECT_EQ(w->windowTitle(), u"Architectural Number and CLID Programming"_s);
    for (int tab = 0; tab < 4; ++tab)
        EXPECT_EQ(w->lines(tab).size(), 24);
    EXPECT_EQ(w->lines(0).at(0), u" 1\t100 \tFront desk     "_s);
    EXPECT_EQ(w->lines(3).at(23), u"96\t9999\tO'Hara \"50%\" Zo"_s);
    EXPECT_EQ(w->selectedLine(0), 0);

    const bool fitted[] = {true, true, false, false};
    for (int tab = 0; tab < 4; ++tab) {
        const QString n = QString::number(tab);
        EXPECT_EQ(control(w, u"lstClid"_s + n)->isEnabled(), fitted[tab]) << tab;
        EXPECT_EQ(control(w, u"lblStations"_s + n)->isEnabled(), fitted[tab]) << tab;
        EXPECT_EQ(control(w, u"cmdEdit"_s + n)->isEnabled(), tab == 0) << tab;
    }
    w->setActiveTab(1);
    EXPECT_FALSE(control(w, u"cmdEdit0"_s)->isEnabled());
    EXPECT_TRUE(control(w, u"cmdAuto1"_s)->isEnabled());
    EXPECT_EQ(w->selectedLine(1), 0);
    w->setActiveTab(2);
    for (const char *b : {"cmdEdit", "cmdDelete", "cmdAuto"}) {
        EXPECT_FALSE(control(w, QString::fromLatin1(b) + u"1"_s)->isEnabled());
        EXPECT_FALSE(control(w, QString::fromLatin1(b) + u"2"_s)->isEnabled());
    }
}

TEST_F(StationWindow, DeleteAsksNothingAndCancelPutsEverythingBack)
{
    store(3, u"30"_s, u"Lab"_s);
    frmClid *w = open();
    selectStation(w, 3);
    click(w, u"cmdDelete0"_s);
    EXPECT_TRUE(prompter().asked().isEmpty());
    EXPECT_EQ(w->lines(0).at(2), u" 3\t    \t               "_s);
    EXPECT_EQ(archnum(3), u"    "_s);
    EXPECT_EQ(clid(3), QString(15, u' '));
    EXPECT_TRUE(w->UncommittedChanges());
    EXPECT_TRUE(host.saveEnabled());

    w->cmdCancel_Click();
    EXPECT_EQ(archnum(3), u"30  "_s);
    EXPECT_EQ(clid(3), u"Lab            "_s);
    EXPECT_FALSE(w->UncommittedChanges());
    EXPECT_FALSE(ctx().state.UnsavedChanges);
    EXPECT_EQ(host.updateFileSaveOptCalls, 1);
}

TEST_F(StationWindow, OkKeepsTheChangesAndMarksTheConfiguration)
{
    frmClid *w = open();
    click(w, u"cmdDelete0"_s); // nothing to lose, but a change
    store(1, u"77"_s);         // as if written by the window
    click(w, u"cmdOK"_s);
    EXPECT_TRUE(ctx().state.UnsavedChanges);
    EXPECT_EQ(archnum(1), u"77  "_s);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(StationWindow, EditWritesTheStationAndItsLineOnOk)
{
    frmClid *w = open();
    selectStation(w, 2);
    onModal<frmStation>([](frmStation *d) {
        EXPECT_EQ(d->windowTitle(), u"Station 2"_s);
        typeInto(d, u"txtArchnum"_s, u"4x5"_s); // the letter is refused
        typeInto(d, u"txtClid"_s, u"   Zoë's \"50%\" desk!"_s);
        click(d, u"cmdOK"_s);
    });
    click(w, u"cmdEdit0"_s);
    EXPECT_EQ(archnum(2), u"45  "_s);
    // The box holds 15 characters, the typed blanks among them; they are not stored.
    EXPECT_EQ(clid(2), u"Zoë's \"50%\"    "_s);
    EXPECT_EQ(w->lines(0).at(1), u" 2\t45  \tZoë's \"50%\"    "_s);
    EXPECT_TRUE(w->UncommittedChanges());
    EXPECT_EQ(w->selectedLine(0), 1);
}

TEST_F(StationWindow, ACharacterTheLineCannotCarryIsRefusedWithItsName)
{
    frmClid *w = open();
    onModal<frmStation>([this](frmStation *d) {
        typeInto(d, u"txtClid"_s, u"Łódź"_s);
        EXPECT_EQ(control<QLineEdit>(d, u"txtClid"_s)->text(), u"ód"_s);
        ASSERT_EQ(prompter().asked().size(), 2);
        EXPECT_TRUE(prompter().texts().at(0).startsWith(u"The character \"Ł\" (U+0141)"_s));
        EXPECT_TRUE(prompter().texts().at(1).startsWith(u"The character \"ź\" (U+017A)"_s));
        // A paste goes through the same check.
        auto *box = control<QLineEdit>(d, u"txtClid"_s);
        box->selectAll();
        box->insert(u"Ωmega"_s);
        emit box->textEdited(box->text());
        EXPECT_EQ(box->text(), u"ód"_s);
        EXPECT_EQ(prompter().asked().size(), 3);
        click(d, u"cmdOK"_s);
    });
    click(w, u"cmdEdit0"_s);
    EXPECT_EQ(clid(1), u"ód             "_s);
}

// Station 5 holds 12; station 9 is given 1, which conflicts with it.
TEST_F(StationWindow, TheConflictAnswerDecidesWhatIsWritten)
{
    const struct {
        const char *button;
        bool dialogCloses;
        const char *station9, *station5;
    } cases[] = {
        {"cmdYes", true, "1   ", "    "},
        {"cmdNo", true, "    ", "12  "},
        {"cmdCancel", false, "    ", "12  "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.button);
        store(5, u"12"_s, u"Keep me"_s);
        store(9, {});
        frmClid *w = open();
        selectStation(w, 9);
        bool stillOpen = false;
        onModal<frmStation>([&](frmStation *d) {
            typeInto(d, u"txtArchnum"_s, u"1"_s);
            onModal<frmConflict>([&](frmConflict *conflict) {
                EXPECT_EQ(conflict->windowTitle(), u"Arch Number Conflicts"_s);
                EXPECT_EQ(control<QLabel>(conflict, u"lblStation"_s)->text(), u" 9"_s);
                EXPECT_EQ(control<QLabel>(conflict, u"lblArchnum"_s)->text(), u"1"_s);
                EXPECT_EQ(conflict->lines(), QStringList{u" 5\t12  "_s});
                click(conflict, QString::fromLatin1(c.button));
            });
            click(d, u"cmdOK"_s);
            stillOpen = d->isVisible();
            if (stillOpen)
                click(d, u"cmdCancel"_s);
        });
        click(w, u"cmdEdit0"_s);
        EXPECT_EQ(stillOpen, !c.dialogCloses);
        EXPECT_EQ(archnum(9), QString::fromLatin1(c.station9));
        EXPECT_EQ(archnum(5), QString::fromLatin1(c.station5));
        EXPECT_EQ(clid(5), u"Keep me        "_s);
        EXPECT_EQ(w->lines(0).at(4), StationLine::format(5, QString::fromLatin1(c.station5), u"Keep me"_s));
        EXPECT_EQ(w->UncommittedChanges(), c.button == std::string("cmdYes"));
        w->cmdOk_Click();
    }
}

TEST_F(StationWindow, OkWithoutTypingStillFindsAnExistingConflict)
{
    // As received: station 2 holds 1 and station 3 holds 12. Accepting the
    // clearing counts as a change even though station 2 ends as it began.
    store(2, u"1"_s);
    store(3, u"12"_s);
    frmClid *w = open();
    selectStation(w, 2);
    onModal<frmStation>([](frmStation *d) {
        onModal<frmConflict>([](frmConflict *c) { click(c, u"cmdYes"_s); });
        click(d, u"cmdOK"_s);
    });
    click(w, u"cmdEdit0"_s);
    EXPECT_EQ(archnum(3), u"    "_s);
    EXPECT_EQ(w->lines(0).at(2), u" 3\t    \t               "_s);
    EXPECT_TRUE(w->UncommittedChanges());
    w->cmdCancel_Click();
    EXPECT_EQ(archnum(3), u"12  "_s);
}

TEST_F(StationWindow, MovesStayWithinTheTabAndWriteOnlyAChangedStation)
{
    store(25, u"250"_s);
    store(48, u"480"_s, u"Last"_s);
    ctx().state.ExpansionBoards = 1;
    frmClid *w = open();
    selectStation(w, 25);
    onModal<frmStation>([&](frmStation *d) {
        auto *lbl = control<QLabel>(d, u"lblStation"_s);
        click(d, u"cmdMove1"_s); // "<" on the first station of the tab
        EXPECT_EQ(lbl->text(), u"25"_s);
        click(d, u"cmdMove3"_s);
        EXPECT_EQ(lbl->text(), u"48"_s);
        EXPECT_EQ(d->windowTitle(), u"Station 48"_s);
        EXPECT_EQ(control<QLineEdit>(d, u"txtClid"_s)->text(), u"Last"_s);
        EXPECT_EQ(d->ClidIndex, 23);
        EXPECT_EQ(w->selectedLine(1), 23);
        typeInto(d, u"txtClid"_s, u"Changed"_s);
        click(d, u"cmdMove2"_s); // ">" on the last: writes, stays
        EXPECT_EQ(lbl->text(), u"48"_s);
        EXPECT_FALSE(d->ChangeClid);
        EXPECT_EQ(clid(48), u"Changed        "_s);
        click(d, u"cmdMove0"_s);
        EXPECT_EQ(lbl->text(), u"25"_s);
        EXPECT_EQ(d->ClidIndex, 0);
        click(d, u"cmdCancel"_s);
    });
    click(w, u"cmdEdit1"_s);
    EXPECT_EQ(archnum(25), u"250 "_s);
    EXPECT_EQ(w->lines(1).at(23), u"48\t480 \tChanged        "_s);
}

TEST_F(StationWindow, MovedWritesStayUntilTheWindowIsCancelled)
{
    store(3, u"30"_s, u"Three"_s);
    store(4, u"40"_s, u"Four"_s);
    frmClid *w = open();
    selectStation(w, 3);
    onModal<frmStation>([](frmStation *d) {
        typeInto(d, u"txtArchnum"_s, u"31"_s);
        click(d, u"cmdMove2"_s); // writes 3, shows 4
        typeInto(d, u"txtArchnum"_s, u"41"_s);
        typeInto(d, u"txtClid"_s, u"Vier"_s);
        click(d, u"cmdMove1"_s); // writes 4, back to 3
        EXPECT_EQ(control<QLineEdit>(d, u"txtArchnum"_s)->text(), u"31"_s);
        click(d, u"cmdCancel"_s);
    });
    click(w, u"cmdEdit0"_s);
    EXPECT_EQ(archnum(3), u"31  "_s);
    EXPECT_EQ(archnum(4), u"41  "_s);
    EXPECT_EQ(clid(4), u"Vier           "_s);
    EXPECT_EQ(w->lines(0).at(3), u" 4\t41  \tVier           "_s);
    EXPECT_TRUE(w->UncommittedChanges());

    w->cmdCancel_Click();
    EXPECT_EQ(archnum(3), u"30  "_s);
    EXPECT_EQ(clid(3), u"Three          "_s);
    EXPECT_EQ(archnum(4), u"40  "_s);
    EXPECT_EQ(clid(4), u"Four           "_s);
    EXPECT_FALSE(ctx().state.UnsavedChanges);
}

TEST_F(StationWindow, EnterPressesNothingAndEscapeCancels)
{
    store(1, u"10"_s);
    frmClid *w = open();
    onModal<frmStation>([](frmStation *d) {
        typeInto(d, u"txtArchnum"_s, u"11"_s);
        QTest::keyClick(control(d, u"txtArchnum"_s), Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        QTest::keyClick(d, Qt::Key_Escape);
        EXPECT_FALSE(d->isVisible());
    });
    click(w, u"cmdEdit0"_s);
    EXPECT_EQ(archnum(1), u"10  "_s);
    EXPECT_FALSE(w->UncommittedChanges());

    click(w, u"cmdDelete0"_s);
    QTest::keyClick(control(w, u"lstClid0"_s), Qt::Key_Return);
    EXPECT_TRUE(w->isVisible());
    QTest::keyClick(control(w, u"lstClid0"_s), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(archnum(1), u"10  "_s);
}
