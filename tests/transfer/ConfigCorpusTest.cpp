#include "ConfigFuzzInput.h"
#include "CorpusReplay.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

// Every edited configuration of the fuzzer's committed corpus is either
// refused by the checks a send applies or makes only well-formed bodies.
TEST(ConfigCorpus, EveryEditedConfigurationIsRefusedOrSendsWellFormedBodies)
{
    EXPECT_EQ(replayCorpus(QStringLiteral(LINNET_CONFIG_CORPUS_DIR), fuzzConfigInput), QStringList());
}
