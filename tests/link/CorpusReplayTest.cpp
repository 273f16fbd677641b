#include "LinkFuzzInput.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

// Every input of the fuzzer's committed corpus runs through the port parsers
// in the normal (or sanitizer) build.
TEST(FuzzCorpus, ReplaysWithoutFault)
{
    const QDir dir(QStringLiteral(LINNET_FUZZ_CORPUS_DIR));
    const QStringList files = dir.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString &name : files) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = f.readAll();
        fuzzLinkInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
    }
}
