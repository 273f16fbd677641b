#include "config/SysBoards.h"

#include "TempAppFolder.h"
#include "platform/Database.h"

#include <gtest/gtest.h>

TEST(GetNumberofSysBoards, ReadsTheBoardCountCappedAtThreeAndZeroWhenUnreadable)
{
    TempAppFolder app;
    ErrorLog &log = app.context().log;
    const QString file = app.copyTemplate(QStringLiteral("DEFAULT"), QStringLiteral("site.mdb"));
    for (auto [stored, expected] : {std::pair{2, 2}, {3, 3}, {5, 3}}) {
        {
            Database db(file);
            ASSERT_TRUE(db.exec(QStringLiteral("UPDATE Config SET System_Config = ?"), {stored}));
        }
        EXPECT_EQ(GetNumberofSysBoards(file, log), expected) << stored;
    }
    {
        Database db(file);
        ASSERT_TRUE(db.exec(QStringLiteral("DROP TABLE Config")));
    }
    EXPECT_EQ(GetNumberofSysBoards(file, log), 0);
    EXPECT_EQ(GetNumberofSysBoards(app.file(QStringLiteral("missing.mdb")), log), 0);
}
