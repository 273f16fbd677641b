#include "ReceiveFuzzInput.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "receive_fuzzer";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    if (const QString problem = fuzzReceiveInput(data, size); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
