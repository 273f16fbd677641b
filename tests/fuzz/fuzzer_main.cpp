// The libFuzzer entry of every fuzz target. The target's CMake definition names
// its input function (LINNET_FUZZ_INPUT) and header (LINNET_FUZZ_HEADER); the
// function returns "" for a sound outcome, else the finding, which aborts.
#include LINNET_FUZZ_HEADER

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "linnet_fuzzer";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    if (const QString finding = LINNET_FUZZ_INPUT(data, size); !finding.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(finding));
        std::abort();
    }
    return 0;
}
