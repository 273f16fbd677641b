#include "AreaWindowFixture.h"

#include "editors/classservice/frmClassService.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <functional>

using namespace Qt::StringLiterals;

class ClassServiceWindow : public AreaWindowFixture {
protected:
    frmClassService *openWindow(int expansionBoards)
    {
        return openWithBoards<frmClassService>(u"frmClassService"_s, expansionBoards);
    }
    static QComboBox *combo(QWidget *w, int group)
    {
        return control<QComboBox>(w, u"cboServGroup"_s + QString::number(group - 1));
    }
    void setService(int group, int service)
    {
        ASSERT_TRUE(db->exec(u"UPDATE ClassService SET Service = ? WHERE \"Group\" = ?"_s, {service, group}));
    }
    // Service of groups 1-16 in group order.
    QList<int> stored()
    {
        QList<int> result;
        const auto rows = db->rows(u"SELECT Service FROM ClassService ORDER BY \"Group\""_s);
        for (const QVariantList &r : rows.value_or(QList<QVariantList>{}))
            result << r[0].toInt();
        return result;
    }
};

TEST_F(ClassServiceWindow, ShowsEachBoardsGroupsWithTheirStationsAndChoices)
{
    setService(1, 0);
    setService(7, 2);
    frmClassService *w = openWindow(1);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), u"Class Of Service"_s);
    auto *tabs = control<QTabWidget>(w, u"SSTab1"_s);
    EXPECT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(1), u"Expansion &1"_s);
    EXPECT_EQ(control<QLabel>(w, u"lblgrp31"_s)->text().trimmed(), u"91 - 96"_s);
    EXPECT_EQ(control<QLabel>(w, u"lblgrp30"_s)->text().trimmed(), u"16"_s);
    EXPECT_EQ(control<QPushButton>(w, u"cmdOk"_s)->text(), u"Close"_s);
    EXPECT_FALSE(control(w, u"cmdCancel"_s)->isVisible());

    QComboBox *first = combo(w, 1);
    EXPECT_EQ((QStringList{first->itemText(0), first->itemText(1), first->itemText(2)}),
              (QStringList{u"Normal Only"_s, u"Normal / Emergency"_s, u"Emergency Only!"_s}));
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(combo(w, n)->isEnabled(), n <= 8) << n;
        EXPECT_EQ(combo(w, n)->currentIndex(), n == 1 ? 0 : n == 7 ? 2 : n <= 8 ? 1 : -1) << n;
    }
    EXPECT_FALSE(w->UncommittedChanges());
}

TEST_F(ClassServiceWindow, EveryWayOfClosingWritesTheExistingGroupsOnly)
{
    const std::pair<const char *, std::function<void(frmClassService *)>> ways[] = {
        {"Close", [](frmClassService *w) { click(w, u"cmdOk"_s); }},
        {"window frame", [](frmClassService *w) { w->close(); }},
        {"Escape", [](frmClassService *w) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
        {"Cancel of the editor contract", [](frmClassService *w) { w->cmdCancel_Click(); }},
    };
    for (const auto &[way, closeIt] : ways) {
        SCOPED_TRACE(way);
        for (int n = 1; n <= 16; ++n)
            setService(n, n >= 9 ? 2 : 0);
        ctx().state.UnsavedChanges = false;
        frmClassService *w = openWindow(1);
        QComboBox *five = combo(w, 5);
        five->setFocus();
        QTest::keyClick(five, Qt::Key_Down); // from the keyboard: Normal Only → Normal / Emergency
        EXPECT_EQ(five->currentIndex(), 1);
        EXPECT_TRUE(w->UncommittedChanges());
        EXPECT_TRUE(host.saveEnabled());
        closeIt(w);
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(stored(), (QList<int>{0, 0, 0, 0, 1, 0, 0, 0, 2, 2, 2, 2, 2, 2, 2, 2}));
        EXPECT_TRUE(ctx().state.UnsavedChanges);
        EXPECT_FALSE(w->UncommittedChanges());
    }
}

TEST_F(ClassServiceWindow, StoredMinusOneShowsAsNormalEmergencyAndIsStoredAsOneWhenUntouched)
{
    setService(2, -1);
    frmClassService *w = openWindow(0);
    EXPECT_EQ(combo(w, 2)->currentText(), u"Normal / Emergency"_s);
    w->close();
    EXPECT_EQ(stored().value(1), 1);
    EXPECT_FALSE(ctx().state.UnsavedChanges);
    EXPECT_EQ(host.updateFileSaveOptCalls, 1);
}

TEST_F(ClassServiceWindow, OpeningAListWithoutChoosingCountsAsAChange)
{
    frmClassService *w = openWindow(0);
    QComboBox *three = combo(w, 3);
    three->showPopup();
    three->hidePopup();
    EXPECT_EQ(three->currentIndex(), 1);
    EXPECT_TRUE(w->UncommittedChanges());
    EXPECT_TRUE(host.saveEnabled());
    click(w, u"cmdOk"_s);
    EXPECT_TRUE(ctx().state.UnsavedChanges);
}

// Rows out of group order, a group number outside 1-16, a value that is no
// choice and a missing row: none of them may make closing write a value the
// user did not choose.
TEST_F(ClassServiceWindow, UnusualRowsAreNeverOverwrittenWithoutASelection)
{
    ASSERT_TRUE(db->exec(u"DELETE FROM ClassService"_s));
    ASSERT_TRUE(db->exec(u"INSERT INTO ClassService VALUES (12, 2), (1, 7), (0, 2), (17, 0), (2, 0), (4, 1)"_s));
    frmClassService *w = openWindow(1);
    EXPECT_TRUE(combo(w, 1)->isEnabled());
    EXPECT_EQ(combo(w, 1)->currentIndex(), -1);
    EXPECT_FALSE(combo(w, 3)->isEnabled()); // no row to write it to
    EXPECT_EQ(combo(w, 2)->currentIndex(), 0);
    w->close();
    EXPECT_EQ(db->rows(u"SELECT \"Group\", Service FROM ClassService ORDER BY rowid"_s).value(),
              (QList<QVariantList>{{12, 2}, {1, 7}, {0, 2}, {17, 0}, {2, 0}, {4, 1}}));
    EXPECT_EQ(loggedErrors(), 1); // the missing rows of groups 3 and 5-8
}
