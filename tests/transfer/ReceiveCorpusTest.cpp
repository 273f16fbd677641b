#include "ReceiveFuzzInput.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

// Every received-records input of the fuzzer's committed corpus leaves a
// configuration that passes the checks a send applies.
TEST(ReceiveCorpus, EveryInputLeavesASendableConfiguration)
{
    const QDir dir(QStringLiteral(LINNET_RECEIVE_CORPUS_DIR));
    const QStringList files = dir.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString &name : files) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = f.readAll();
        EXPECT_EQ(fuzzReceiveInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()))
                      .toStdString(),
                  std::string())
            << name.toStdString();
    }
}
