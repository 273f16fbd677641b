#include "AreaWindowFixture.h"

#include "editors/pagegroups/frmPage.h"

#include <QPushButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

class PageGroupWindow : public AreaWindowFixture {
protected:
    frmPage *openPage(int expansionBoards) { return openWithBoards<frmPage>(u"frmPage"_s, expansionBoards); }
    // The boxes of tab g (dial code 50 + g) are chkPageGroup(16 g + k).
    static QList<int> checkedOnTab(frmPage *w, int g) { return checkedBoxes(w, u"chkPageGroup"_s, 16 * g); }
    static void selectTab(frmPage *w, int g) { control<QTabWidget>(w, u"tabPageGroup"_s)->setCurrentIndex(g); }
};

TEST_F(PageGroupWindow, ShowsTheFourRowsWithTheBoxesOfExistingBoardsEnabled)
{
    setGroups(u"PageGroup"_s, 0, {1, 8});
    setGroups(u"PageGroup"_s, 3, {4, 16});
    frmPage *w = openPage(1);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), u"Custom Page Groups"_s);
    auto *tabs = control<QTabWidget>(w, u"tabPageGroup"_s);
    EXPECT_EQ((QStringList{tabs->tabText(0), tabs->tabText(3)}), (QStringList{u"5&0"_s, u"5&3"_s}));
    EXPECT_EQ(checkedOnTab(w, 0), (QList<int>{1, 8}));
    EXPECT_EQ(checkedOnTab(w, 3), (QList<int>{4, 16})); // a missing board's group shows too
    for (int g = 0; g < 4; ++g)
        EXPECT_EQ(enabledBoxes(w, u"chkPageGroup"_s, 16 * g), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8})) << g;
    EXPECT_EQ(control<QCheckBox>(w, u"chkPageGroup63"_s)->text(), u" 16"_s);

    // Only the shown tab's buttons are enabled, and the focus moves to its first box.
    EXPECT_TRUE(control(w, u"cmdInclude0"_s)->isEnabled());
    EXPECT_FALSE(control(w, u"cmdRemove1"_s)->isEnabled());
    selectTab(w, 1);
    EXPECT_FALSE(control(w, u"cmdInclude0"_s)->isEnabled());
    EXPECT_FALSE(control(w, u"cmdRemove0"_s)->isEnabled());
    EXPECT_TRUE(control(w, u"cmdInclude1"_s)->isEnabled());
    EXPECT_TRUE(control(w, u"cmdRemove1"_s)->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), control(w, u"chkPageGroup16"_s));
    EXPECT_FALSE(w->UncommittedChanges());
    EXPECT_EQ(loggedErrors(), 0);
}

TEST_F(PageGroupWindow, IncludeAllAddsOnlyExistingGroupsAndOkKeepsAStoredGroupOfAMissingBoard)
{
    setGroups(u"PageGroup"_s, 2, {9});
    setGroups(u"PageGroup"_s, 1, {2});
    frmPage *w = openPage(0);
    selectTab(w, 2);
    EXPECT_EQ(checkedOnTab(w, 2), (QList<int>{9}));
    EXPECT_FALSE(box(w, u"chkPageGroup"_s, 32 + 8)->isEnabled());
    click(w, u"cmdInclude2"_s);
    EXPECT_EQ(checkedOnTab(w, 2), (QList<int>{1, 2, 3, 4, 9}));
    EXPECT_TRUE(w->UncommittedChanges());
    EXPECT_TRUE(host.saveEnabled());

    click(w, u"cmdOK"_s);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(storedGroups(u"PageGroup"_s, 2, 1), (QList<int>{1, 2, 3, 4, 9}));
    EXPECT_EQ(storedGroups(u"PageGroup"_s, 1, 1), (QList<int>{2}));
    EXPECT_EQ(storedGroups(u"PageGroup"_s, 0, 1), QList<int>{});
    EXPECT_TRUE(ctx().state.UnsavedChanges);
    EXPECT_FALSE(w->UncommittedChanges());
    EXPECT_EQ(host.updateFileSaveOptCalls, 1);
}

TEST_F(PageGroupWindow, RemoveAllClearsDisabledBoxesAndOkStoresThemCleared)
{
    setGroups(u"PageGroup"_s, 0, {2, 5, 12, 16});
    frmPage *w = openPage(1);
    click(w, u"cmdRemove0"_s);
    EXPECT_EQ(checkedOnTab(w, 0), QList<int>{});
    click(w, u"cmdOK"_s);
    EXPECT_EQ(storedGroups(u"PageGroup"_s, 0, 1), QList<int>{});
    // The dial codes are not written.
    EXPECT_EQ(db->rows(u"SELECT DialCode FROM PageGroup ORDER BY rowid"_s).value(),
              (QList<QVariantList>{{0}, {1}, {2}, {3}}));
}

TEST_F(PageGroupWindow, OkWritesAllFourRowsOnlyAfterABoxWasClickedEvenBackAgain)
{
    watchWrites(u"PageGroup"_s);
    frmPage *untouched = openPage(3);
    click(untouched, u"cmdOK"_s);
    EXPECT_EQ(writes(u"PageGroup"_s), 0);
    EXPECT_FALSE(ctx().state.UnsavedChanges);

    frmPage *w = openPage(3);
    click(w, u"chkPageGroup5"_s);
    click(w, u"chkPageGroup5"_s);
    EXPECT_TRUE(w->UncommittedChanges());
    click(w, u"cmdOK"_s);
    EXPECT_EQ(writes(u"PageGroup"_s), 4);
    EXPECT_TRUE(ctx().state.UnsavedChanges);
    EXPECT_EQ(storedGroups(u"PageGroup"_s, 0, 1), QList<int>{});
}

TEST_F(PageGroupWindow, CancelAndEscapeWriteNothing)
{
    setGroups(u"PageGroup"_s, 1, {3});
    watchWrites(u"PageGroup"_s);
    for (const bool escape : {false, true}) {
        frmPage *w = openPage(2);
        selectTab(w, 1);
        click(w, u"cmdInclude1"_s);
        click(w, u"chkPageGroup19"_s);
        ASSERT_TRUE(w->UncommittedChanges());
        cancel(w, escape);
        EXPECT_FALSE(w->isVisible()) << escape;
        EXPECT_FALSE(w->UncommittedChanges());
    }
    EXPECT_EQ(writes(u"PageGroup"_s), 0);
    EXPECT_EQ(storedGroups(u"PageGroup"_s, 1, 1), (QList<int>{3}));
    EXPECT_FALSE(ctx().state.UnsavedChanges);
    EXPECT_EQ(host.updateFileSaveOptCalls, 2);
}

TEST_F(PageGroupWindow, EnterPressesNoButton)
{
    frmPage *w = openPage(0);
    click(w, u"chkPageGroup0"_s);
    for (const QString &name : {u"cmdOK"_s, u"cmdCancel"_s, u"cmdRemove0"_s}) {
        auto *b = control<QPushButton>(w, name);
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Return);
        EXPECT_TRUE(w->isVisible()) << name.toStdString();
    }
    EXPECT_EQ(checkedOnTab(w, 0), (QList<int>{1}));
}

TEST_F(PageGroupWindow, AFailedWriteChangesNoRowSaysSoAndKeepsTheEdits)
{
    refuseWrites(u"PageGroup"_s, u"OLD.DialCode = 3"_s); // the last of the four rows
    frmPage *w = openPage(0);
    click(w, u"chkPageGroup0"_s);
    click(w, u"cmdOK"_s);
    ASSERT_EQ(prompter().asked().size(), 1);
    EXPECT_TRUE(prompter().asked()[0].text.startsWith(u"The custom page groups could not be stored:"_s));
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->UncommittedChanges());
    EXPECT_EQ(checkedOnTab(w, 0), (QList<int>{1}));
    EXPECT_EQ(storedGroups(u"PageGroup"_s, 0, 1), QList<int>{}); // the first row was rolled back
    EXPECT_FALSE(ctx().state.UnsavedChanges);
    EXPECT_EQ(loggedErrors(), 1);
}
