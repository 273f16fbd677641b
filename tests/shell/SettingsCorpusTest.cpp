#include "CorpusReplay.h"
#include "QtPrinters.h"
#include "SettingsFuzzInput.h"

#include <gtest/gtest.h>

// Every settings file of the fuzzer's committed corpus reads, saves and reads
// back the same values.
TEST(SettingsCorpus, EveryFileSurvivesReadSaveRead)
{
    EXPECT_EQ(replayCorpus(QStringLiteral(LINNET_SETTINGS_CORPUS_DIR), fuzzSettingsInput), QStringList());
}
