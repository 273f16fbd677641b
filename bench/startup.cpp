// Start-up benchmark: how long linnet-tool takes from exec to its main window
// being mapped on the X display (splash skipped), and the tool's peak memory.
// Runs under an X server (bench/startup.sh starts one with xvfb-run).
//   startup_bench TOOL RUNS
// The first run seeds a new application folder; the others start on it, as a
// technician's tool does every day. Each started tool is ended with SIGTERM as
// soon as its window is mapped.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr const char *kTitle = "Tarnwick Linnet Programming Tool";
constexpr auto kGiveUp = std::chrono::seconds(20);

struct Run {
    double ms = 0;
    long maxRssKb = 0;
    bool ok = false;
};

bool isMainWindow(Display *display, Window window)
{
    char *name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return false;
    const bool match = std::strcmp(name, kTitle) == 0;
    XFree(name);
    return match;
}

Run startOnce(Display *display, const char *tool, const std::string &appDir)
{
    Run run;
    XSync(display, True); // drop events of earlier runs
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // The tool's own warnings (for example about the runtime folder) are not figures.
        freopen("/dev/null", "w", stderr);
        execl(tool, tool, "--app-dir", appDir.c_str(), "--no-splash", static_cast<char *>(nullptr));
        _exit(127);
    }
    const int fd = ConnectionNumber(display);
    while (std::chrono::steady_clock::now() - start < kGiveUp && !run.ok) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            // Qt sets the title before it maps the window, so the mapped window
            // can be recognised by it.
            if (event.type == MapNotify && isMainWindow(display, event.xmap.window)) {
                run.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
                run.ok = true;
                break;
            }
        }
        if (!run.ok) {
            fd_set set;
            FD_ZERO(&set);
            FD_SET(fd, &set);
            timeval wait{0, 50'000};
            select(fd + 1, &set, nullptr, nullptr, &wait);
        }
    }
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.maxRssKb = usage.ru_maxrss;
    return run;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_bench TOOL [RUNS]\n");
        return 2;
    }
    const char *tool = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_bench: no X display (run it through bench/startup.sh)\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    char dirTemplate[] = "/tmp/startup_bench-XXXXXX";
    const char *dir = mkdtemp(dirTemplate);
    if (!dir)
        return 1;
    const std::string appDir = std::string(dir) + "/app";

    std::vector<double> times, memory;
    bool allOk = true;
    for (int i = 0; i <= runs; ++i) {
        const Run run = startOnce(display, tool, appDir);
        allOk = allOk && run.ok;
        std::printf("%-12s %s  %7.1f ms to the main window  peak memory %6.1f MB\n", i == 0 ? "first use" : "start",
                    run.ok ? "ok    " : "FAILED", run.ms, double(run.maxRssKb) / 1024.0);
        std::fflush(stdout);
        if (i > 0) {
            times.push_back(run.ms);
            memory.push_back(double(run.maxRssKb) / 1024.0);
        }
    }
    std::printf("median of %d starts: %.1f ms (target < 300 ms), peak memory %.1f MB (target < 80 MB)\n", runs,
                median(times), median(memory));
    XCloseDisplay(display);
    const std::string cleanup = "rm -rf '" + std::string(dir) + "'";
    return (std::system(cleanup.c_str()) == 0 && allOk) ? 0 : 1;
}
