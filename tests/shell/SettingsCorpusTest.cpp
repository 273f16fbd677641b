#include "SettingsFuzzInput.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

// Every settings file of the fuzzer's committed corpus reads, saves and reads
// back the same values.
TEST(SettingsCorpus, EveryFileSurvivesReadSaveRead)
{
    const QDir dir(QStringLiteral(LINNET_SETTINGS_CORPUS_DIR));
    const QStringList files = dir.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString &name : files) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = f.readAll();
        EXPECT_EQ(
            fuzzSettingsInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())),
            QString())
            << name.toStdString();
    }
}
