#include "CorpusReplay.h"
#include "LinkFuzzInput.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

// Every input of the link fuzzer's committed corpus runs through the port
// parsers in the normal (or sanitizer) build.
TEST(FuzzCorpus, ReplaysWithoutFault)
{
    EXPECT_EQ(replayCorpus(QStringLiteral(LINNET_FUZZ_CORPUS_DIR), fuzzLinkInput), QStringList());
}
