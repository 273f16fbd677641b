#pragma once

#include "FakeTransferLink.h"
#include "TempAppFolder.h"
#include "link/records/TransferLink.h"
#include "platform/Database.h"

#include <gtest/gtest.h>

#include <memory>

// A working database copied from the default configuration, a recording link
// and the shared state.
class RecordsFixture : public ::testing::Test {
protected:
    RecordsFixture()
    {
        path = app.copyTemplate(QStringLiteral("DEFAULT"), QStringLiteral("work.mdb"));
        db = std::make_unique<Database>(path);
    }

    void exec(const QString &sql, const QVariantList &binds = {})
    {
        ASSERT_TRUE(db->exec(sql, binds)) << sql.toStdString() << ": " << db->lastError().toStdString();
    }
    QList<QVariantList> rows(const QString &sql)
    {
        const auto result = db->rows(sql);
        EXPECT_TRUE(result.has_value()) << sql.toStdString();
        return result.value_or(QList<QVariantList>{});
    }
    static QString s(const char *text) { return QString::fromLatin1(text); }

    TempAppFolder app;
    QString path;
    std::unique_ptr<Database> db;
    AppState &state = app.context().state;
    ErrorLog &log = app.context().log;
    FakeTransferLink link;
    TransferFlags flags;
};
