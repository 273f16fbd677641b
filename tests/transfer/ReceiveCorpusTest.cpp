#include "CorpusReplay.h"
#include "QtPrinters.h"
#include "ReceiveFuzzInput.h"

#include <gtest/gtest.h>

// Every received-records input of the fuzzer's committed corpus leaves a
// configuration that passes the checks a send applies.
TEST(ReceiveCorpus, EveryInputLeavesASendableConfiguration)
{
    EXPECT_EQ(replayCorpus(QStringLiteral(LINNET_RECEIVE_CORPUS_DIR), fuzzReceiveInput), QStringList());
}
