#pragma once

#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/ErrorLog.h"
#include "core/Utility.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "platform/Registry.h"

class MainWindowHost;

// Everything a window or a command needs: the folders, the shared state, the
// error log, the prompter and the main window. Owned by main() (or a test),
// passed by reference.
struct AppContext {
    AppContext(const AppPaths &appPaths, Prompter &prompterRef, const Registry &registryRef,
               const Clock &clockRef = SystemClock::instance())
        : paths(appPaths), log(appPaths.ErrorsDbPath(), clockRef), files(log), prompter(prompterRef),
          registry(registryRef), clock(clockRef)
    {
    }

    AppPaths paths;
    AppState state;
    ErrorLog log;
    FileOps files;
    Prompter &prompter;
    const Registry &registry;
    const Clock &clock;
    MainWindowHost *host = nullptr; // set while the main window exists
};
