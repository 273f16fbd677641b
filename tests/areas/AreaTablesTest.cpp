#include "TempAppFolder.h"

#include "editors/classservice/ClassOfService.h"
#include "editors/common/PageGroupFlags.h"
#include "editors/pagegroups/CustomPageGroups.h"
#include "platform/Database.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(AreaTables, BoardCountsGiveTheExistingGroups)
{
    const struct {
        int boards, last;
    } cases[] = {{0, 4}, {1, 8}, {2, 12}, {3, 16}, {-1, 4}, {4, 16}};
    for (const auto &c : cases) {
        EXPECT_EQ(PageGroups::available(c.boards), c.last) << c.boards;
        EXPECT_EQ(ClassOfService::lastGroup(c.boards), c.last) << c.boards;
    }
}

TEST(AreaTables, StoredClassesOfServiceAreShownAsTheirChoice)
{
    const struct {
        int stored;
        std::optional<int> shown;
    } cases[] = {{0, 0}, {1, 1}, {2, 2}, {-1, 1}, {3, std::nullopt}, {-2, std::nullopt}, {255, std::nullopt}};
    for (const auto &c : cases)
        EXPECT_EQ(ClassOfService::shownValue(c.stored), c.shown) << c.stored;
}

TEST(AreaTables, CustomPageGroupsRefuseATableWithoutItsFourRows)
{
    TempAppFolder folder;
    Database db(folder.copyTemplate(u"DEFAULT"_s, u"short.mdb"_s));
    ASSERT_TRUE(db.exec(u"DELETE FROM PageGroup WHERE DialCode = 3"_s));
    CustomPageGroups table(db);
    EXPECT_FALSE(table.load());
    EXPECT_TRUE(table.lastError().contains(u"3 rows"_s)) << table.lastError().toStdString();
    EXPECT_FALSE(table.store({}));
    EXPECT_EQ(db.rowCount(u"PageGroup"_s), 3);
}
