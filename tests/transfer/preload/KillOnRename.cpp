// Preloaded (LD_PRELOAD) into a program under test: a rename() onto the path in
// $LINNET_KILL_ON_RENAME_TO kills the process at that moment, as a crash or a
// power loss between writing a file and renaming it into place would.
#include <dlfcn.h>

#include <csignal>
#include <cstdlib>
#include <cstring>

extern "C" int rename(const char *from, const char *to)
{
    const char *target = std::getenv("LINNET_KILL_ON_RENAME_TO");
    if (target && *target && to && std::strcmp(to, target) == 0)
        std::raise(SIGKILL);
    using Rename = int (*)(const char *, const char *);
    static const auto next = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    return next(from, to);
}
