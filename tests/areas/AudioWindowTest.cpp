#include "AreaWindowFixture.h"

#include "editors/audio/frmBgm.h"

#include <QLabel>
#include <QTabWidget>

using namespace Qt::StringLiterals;

class AudioWindow : public AreaWindowFixture {
protected:
    frmBgm *openWindow(int expansionBoards) { return openWithBoards<frmBgm>(u"frmBgm"_s, expansionBoards); }
    // Clicks a box as the user does: on its tab.
    static void clickBox(frmBgm *w, int tab, int k)
    {
        control<QTabWidget>(w, u"tabAudio"_s)->setCurrentIndex(tab);
        QCheckBox *b = box(w, kPrefixes[tab], k);
        const bool before = b->isChecked();
        QTest::mouseClick(b, Qt::LeftButton);
        EXPECT_NE(b->isChecked(), before);
    }
    static const inline QStringList kPrefixes{u"chkPageGroup"_s, u"chkCTPageGroup"_s, u"chkEPageGroup"_s};
    static const inline QStringList kTables{u"Bgm"_s, u"TonesPG"_s, u"EmergencyPG"_s};
    static const inline QList<int> kAll{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
};

TEST_F(AudioWindow, EachTabShowsItsTableWithTheExistingBoardsEnabled)
{
    setGroups(u"Bgm"_s, 0, {2, 11});
    setGroups(u"TonesPG"_s, 0, {1});
    frmBgm *w = openWindow(0);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), u"Audio Connections"_s);
    auto *tabs = control<QTabWidget>(w, u"tabAudio"_s);
    EXPECT_EQ((QStringList{tabs->tabText(0), tabs->tabText(1), tabs->tabText(2)}),
              (QStringList{u"BGM"_s, u"Time Tone"_s, u"Emergency"_s}));
    EXPECT_EQ(control<QLabel>(w, u"Label2"_s)->text(), u"Select Page Groups to receive Clock Tone:"_s);
    EXPECT_EQ(checkedBoxes(w, kPrefixes[0]), (QList<int>{2, 11}));
    EXPECT_EQ(checkedBoxes(w, kPrefixes[1]), (QList<int>{1}));
    EXPECT_EQ(checkedBoxes(w, kPrefixes[2]), kAll); // DEFAULT sends the emergency tone everywhere
    for (const QString &prefix : kPrefixes)
        EXPECT_EQ(enabledBoxes(w, prefix), (QList<int>{1, 2, 3, 4})) << prefix.toStdString();
    EXPECT_FALSE(w->UncommittedChanges());
}

TEST_F(AudioWindow, IncludeAllAddsExistingGroupsRemoveAllClearsAllAndOkWritesBoth)
{
    setGroups(u"TonesPG"_s, 0, {10});
    setGroups(u"Bgm"_s, 0, {3});
    frmBgm *w = openWindow(0);
    click(w, u"cmdCTInclude"_s);
    EXPECT_EQ(checkedBoxes(w, kPrefixes[1]), (QList<int>{1, 2, 3, 4, 10}));
    click(w, u"cmdERemove"_s);
    EXPECT_EQ(checkedBoxes(w, kPrefixes[2]), QList<int>{});
    EXPECT_TRUE(w->UncommittedChanges());
    EXPECT_TRUE(host.saveEnabled());
    click(w, u"cmdOK"_s);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(storedGroups(u"TonesPG"_s), (QList<int>{1, 2, 3, 4, 10}));
    EXPECT_EQ(storedGroups(u"EmergencyPG"_s), QList<int>{});
    EXPECT_EQ(storedGroups(u"Bgm"_s), (QList<int>{3}));
    EXPECT_TRUE(ctx().state.UnsavedChanges);
    EXPECT_EQ(host.updateFileSaveOptCalls, 1);
}

TEST_F(AudioWindow, CancelEscapeAndAnUntouchedOkLeaveTheTablesAndTheFileState)
{
    for (const QString &table : kTables)
        watchWrites(table);
    frmBgm *untouched = openWindow(3);
    click(untouched, u"cmdOK"_s);
    EXPECT_FALSE(untouched->isVisible());

    // Include All where everything is already included changes no box: no change.
    frmBgm *same = openWindow(3);
    click(same, u"cmdEInclude"_s);
    EXPECT_FALSE(same->UncommittedChanges());
    click(same, u"cmdOK"_s);

    for (const bool escape : {false, true}) {
        frmBgm *w = openWindow(3);
        click(w, u"cmdCTRemove"_s);
        clickBox(w, 2, 15);
        clickBox(w, 0, 0);
        ASSERT_TRUE(w->UncommittedChanges());
        cancel(w, escape);
        EXPECT_FALSE(w->isVisible()) << escape;
    }
    for (const QString &table : kTables)
        EXPECT_EQ(writes(table), 0) << table.toStdString();
    EXPECT_EQ(storedGroups(u"TonesPG"_s), kAll);
    EXPECT_FALSE(ctx().state.UnsavedChanges);
}

TEST_F(AudioWindow, ABoxChangedAndChangedBackStillCounts)
{
    frmBgm *w = openWindow(1);
    clickBox(w, 0, 4);
    clickBox(w, 0, 4);
    EXPECT_TRUE(w->UncommittedChanges());
    click(w, u"cmdOK"_s);
    EXPECT_TRUE(ctx().state.UnsavedChanges);
    EXPECT_EQ(storedGroups(u"Bgm"_s), QList<int>{});
}

TEST_F(AudioWindow, ALostRowIsAddedBackWhenOkStoresIt)
{
    ASSERT_TRUE(db->exec(u"DELETE FROM Bgm"_s));
    frmBgm *w = openWindow(0);
    EXPECT_EQ(checkedBoxes(w, kPrefixes[0]), QList<int>{});
    clickBox(w, 0, 1);
    click(w, u"cmdOK"_s);
    EXPECT_EQ(db->rowCount(u"Bgm"_s), 1);
    EXPECT_EQ(storedGroups(u"Bgm"_s), (QList<int>{2}));
}

TEST_F(AudioWindow, AFailedWriteSaysSoKeepsTheWindowOpenAndStoresTheOtherTabs)
{
    refuseWrites(u"EmergencyPG"_s);
    frmBgm *w = openWindow(0);
    clickBox(w, 2, 0);
    clickBox(w, 0, 0);
    click(w, u"cmdOK"_s);
    ASSERT_EQ(prompter().asked().size(), 1);
    EXPECT_TRUE(prompter().asked()[0].text.startsWith(u"The audio connections could not be stored:"_s));
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->UncommittedChanges());
    EXPECT_EQ(storedGroups(u"Bgm"_s), (QList<int>{1}));
    EXPECT_EQ(storedGroups(u"EmergencyPG"_s), kAll);
    EXPECT_TRUE(ctx().state.UnsavedChanges); // Bgm did change

    // Once the file takes writes again, OK stores what is left.
    ASSERT_TRUE(db->exec(u"DROP TRIGGER refuse_EmergencyPG"_s));
    click(w, u"cmdOK"_s);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(storedGroups(u"EmergencyPG"_s), kAll.mid(1));
}
