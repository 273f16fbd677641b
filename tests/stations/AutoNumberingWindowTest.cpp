// Auto numbering from the station window: the dialog's checks and the run.
#include "StationWindowFixture.h"

#include "editors/stations/AutoNumbering.h"
#include "editors/stations/StationLine.h"

using namespace Qt::StringLiterals;

using AutoNumberingWindow = StationWindowFixture;

namespace {
// Enters the last number in the open dialog and presses OK.
std::function<void(frmAuto *)> enter(const QString &last)
{
    return [last](frmAuto *d) {
        StationWindowFixture::typeInto(d, u"txtStopArchnum"_s, last);
        StationWindowFixture::click(d, u"cmdOK"_s);
        if (d->isVisible())
            StationWindowFixture::click(d, u"cmdCancel"_s);
    };
}
} // namespace

TEST_F(AutoNumberingWindow, NeedsANumberOnTheSelectedStation)
{
    frmClid *w = open();
    click(w, u"cmdAuto0"_s);
    ASSERT_EQ(prompter().asked().size(), 1);
    EXPECT_EQ(prompter().asked().at(0).text, AutoNumbering::kRequiresArchNumber);
    EXPECT_EQ(prompter().asked().at(0).title, u"Automatic Numbering"_s);
    EXPECT_EQ(prompter().asked().at(0).icon, Prompter::Exclamation);
    EXPECT_FALSE(w->UncommittedChanges());
}

TEST_F(AutoNumberingWindow, ARefusedNumberKeepsTheDialogOpenWithTheProposal)
{
    store(3, u"20"_s);
    frmClid *w = open();
    selectStation(w, 3);
    onModal<frmAuto>([this](frmAuto *d) {
        EXPECT_EQ(d->windowTitle(), u"Auto Numbering"_s);
        auto *box = control<QLineEdit>(d, u"txtStopArchnum"_s);
        EXPECT_EQ(box->text(), u"20"_s);
        typeInto(d, u"txtStopArchnum"_s, u"42"_s);
        click(d, u"cmdOK"_s);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(prompter().texts(), QStringList{AutoNumbering::kExceedsLastStation});
        EXPECT_EQ(box->text(), u"20"_s);
        EXPECT_EQ(box->selectedText(), u"20"_s);
        QTest::keyClick(box, Qt::Key_Return); // no default button
        EXPECT_TRUE(d->isVisible());
        QTest::keyClick(box, Qt::Key_Escape);
        EXPECT_FALSE(d->isVisible());
        EXPECT_FALSE(d->Auto_Stop_Stn());
    });
    click(w, u"cmdAuto0"_s);
    EXPECT_FALSE(w->Auto_Stop_Stn);
    EXPECT_EQ(archnum(4), u"    "_s);
    EXPECT_FALSE(w->UncommittedChanges());
}

TEST_F(AutoNumberingWindow, ARunNumbersTheFollowingStationsWithoutLeadingZeros)
{
    store(1, u"07"_s);
    frmClid *w = open();
    onModal<frmAuto>(enter(u"9"_s));
    click(w, u"cmdAuto0"_s);
    EXPECT_EQ(w->Auto_Stop_Stn, 3);
    EXPECT_EQ(archnum(1), u"07  "_s);
    EXPECT_EQ(archnum(2), u"8   "_s);
    EXPECT_EQ(archnum(3), u"9   "_s);
    EXPECT_EQ(archnum(4), u"    "_s);
    EXPECT_EQ(w->lines(0).at(2), u" 3\t9   \t               "_s);
    EXPECT_EQ(w->selectedLine(0), 0);
    EXPECT_TRUE(w->UncommittedChanges());
    EXPECT_TRUE(prompter().asked().isEmpty());
}

TEST_F(AutoNumberingWindow, ARunOfOneStationChangesNothingButCountsAsAChange)
{
    store(5, u"20"_s);
    store(6, u"66"_s);
    frmClid *w = open();
    selectStation(w, 5);
    onModal<frmAuto>(enter(u"20"_s));
    click(w, u"cmdAuto0"_s);
    EXPECT_EQ(archnum(6), u"66  "_s);
    EXPECT_TRUE(w->UncommittedChanges());
}

TEST_F(AutoNumberingWindow, ARunCrossesIntoTheNextBoard)
{
    ctx().state.ExpansionBoards = 1;
    store(23, u"500"_s);
    frmClid *w = open();
    selectStation(w, 23);
    onModal<frmAuto>(enter(u"503"_s));
    click(w, u"cmdAuto0"_s);
    EXPECT_EQ(archnum(24), u"501 "_s);
    EXPECT_EQ(archnum(25), u"502 "_s);
    EXPECT_EQ(archnum(26), u"503 "_s);
    EXPECT_EQ(w->lines(1).at(1), u"26\t503 \t               "_s);
}

// Station 1 holds 6, the run goes to 15 over stations 2-10, and station 40
// holds 15 (and station 41 holds 1, a leading part of 10-15).
TEST_F(AutoNumberingWindow, ConflictsOutsideTheRunAreClearedOnlyWithConsent)
{
    const struct {
        Prompter::Answer answer;
        bool cleared;
    } cases[] = {{Prompter::AnswerOk, true}, {Prompter::AnswerCancel, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.cleared);
        prompter().clear();
        ctx().state.ExpansionBoards = 1;
        store(1, u"6"_s);
        for (int s = 2; s <= 10; ++s)
            store(s, QString::number(200 + s), u"Room"_s);
        store(40, u"15"_s, u"Forty"_s);
        store(41, u"1"_s);
        frmClid *w = open();
        prompter().answer(c.answer);
        onModal<frmAuto>(enter(u"15"_s));
        click(w, u"cmdAuto0"_s);

        ASSERT_EQ(prompter().asked().size(), 1);
        EXPECT_EQ(prompter().asked().at(0).text, AutoNumbering::kOutsideConflicts);
        EXPECT_EQ(prompter().asked().at(0).title, u"Auto Numbering"_s);
        EXPECT_EQ(prompter().asked().at(0).buttons, Prompter::OkCancel);
        for (int s = 2; s <= 10; ++s)
            EXPECT_EQ(archnum(s), (c.cleared ? QString::number(s + 5) : QString::number(200 + s)).leftJustified(4))
                << s;
        EXPECT_EQ(archnum(40), c.cleared ? u"    "_s : u"15  "_s);
        EXPECT_EQ(archnum(41), c.cleared ? u"    "_s : u"1   "_s);
        EXPECT_EQ(clid(40), u"Forty          "_s);
        EXPECT_EQ(w->lines(1).at(15), StationLine::format(40, c.cleared ? QString() : u"15"_s, u"Forty"_s));
        EXPECT_EQ(w->UncommittedChanges(), c.cleared);
        w->cmdOk_Click();
    }
}
