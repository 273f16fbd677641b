#include "TempAppFolder.h"

#include "core/SettingsFile.h"
#include "shell/frmSwitchBoard.h"
#include "ui/WindowUtil.h"

#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {
// The switchboard over a plain main window 600 x 400 pixels at (50, 60), with
// the given place saved in the settings file (twips).
class SwitchBoard : public ::testing::Test {
protected:
    void SetUp() override
    {
        main.resize(600, 400);
        main.move(50, 60);
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    }
    void open(int top, int left, int width, int height)
    {
        SettingsValues &s = app.context().state.settings;
        s.SwitchBoardTop = qint16(top);
        s.SwitchBoardLeft = qint16(left);
        s.SwitchBoardWidth = qint16(width);
        s.SwitchBoardHeight = qint16(height);
        modProject::PutSwitchBoardVal(app.context());
        s = SettingsValues{};
        board = std::make_unique<frmSwitchBoard>(app.context(), main);
        board->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(board.get()));
    }
    QListWidget *list() const { return board->findChild<QListWidget *>(QStringLiteral("lstMenu")); }
    QStringList entries() const
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->item(i)->text();
        return out;
    }

    TempAppFolder app;
    QWidget main;
    std::unique_ptr<frmSwitchBoard> board;
};
} // namespace

TEST_F(SwitchBoard, SavedPlaceIsRaisedToTheSmallestAllowedAndTheWidthIsFixed)
{
    const struct {
        int top, left, width, height;
        QRect expected; // twips
    } cases[] = {{0, 0, 0, 0, {500, 500, 2670, 2500}},
                 {1200, 900, 4000, 3300, {900, 1200, 2670, 3300}},
                 {300, 700, 1000, 2000, {700, 500, 2670, 2500}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.top << ' ' << c.left << ' ' << c.width << ' ' << c.height);
        open(c.top, c.left, c.width, c.height);
        const QRect e = c.expected;
        EXPECT_EQ(board->pos(), QPoint(twips(e.x()), twips(e.y())));
        EXPECT_EQ(board->size(), QSize(twips(e.width()), twips(e.height())));
        const SettingsValues &s = app.context().state.settings;
        EXPECT_EQ(QRect(s.SwitchBoardLeft, s.SwitchBoardTop, s.SwitchBoardWidth, s.SwitchBoardHeight), e);
    }
}

TEST_F(SwitchBoard, OffScreenPlaceGoesToTheMainWindowsCornerAndKeepsTheSavedValues)
{
    open(500, 11000, 2670, 2500); // 11000 + 2670 twips is wider than the 800-pixel screen
    EXPECT_EQ(board->size(), QSize(twips(2670), twips(2500)));
    const QRect m = main.frameGeometry();
    EXPECT_EQ(board->pos(), QPoint(m.width() - board->width() + m.left() - twips(100),
                                   m.height() - board->height() + m.top() - twips(600)));
    EXPECT_EQ(app.context().state.settings.SwitchBoardLeft, 11000);
    EXPECT_EQ(app.context().state.settings.SwitchBoardWidth, 2670);
}

TEST_F(SwitchBoard, ResizingSnapsBackAndTheListShowsWholeEntriesOnly)
{
    open(500, 500, 2670, 2500);
    for (const QSize &asked : {QSize(400, 100), QSize(100, 300), QSize(178, 211)}) {
        board->resize(asked);
        QCoreApplication::processEvents();
        EXPECT_EQ(board->width(), twips(2670));
        EXPECT_EQ(board->height(), std::max(asked.height(), twips(2500)));
        const int inner = list()->height() - 2 * list()->frameWidth();
        const int row = list()->sizeHintForRow(0);
        ASSERT_GT(row, 0);
        EXPECT_EQ(inner % row, 0) << "list " << list()->height() << ", row " << row;
        EXPECT_LE(list()->height(), board->height() - twips(1000));
        EXPECT_GT(list()->height() + row, board->height() - twips(1000));
    }
}

TEST_F(SwitchBoard, ListsTheClockOnlyWithAClockBoard)
{
    open(0, 0, 0, 0);
    EXPECT_EQ(entries().size(), 11);
    EXPECT_FALSE(entries().contains(QStringLiteral("Clock")));
    app.context().state.ClockBoard = true;
    board->reload();
    EXPECT_EQ(entries(), (QStringList{"Schedule 1", "Schedule 2", "Schedule 3", "Schedule 4", "Schedule 5",
                                      "Schedule 6", "Clock", "Custom Page Groups", "Audio Connections", "System",
                                      "ArchNumber / CLID", "Class Of Service"}));
    EXPECT_EQ(list()->currentRow(), 0);
}
