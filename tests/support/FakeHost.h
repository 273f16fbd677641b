#pragma once

#include "core/WindowlessHost.h"

// A main window for editor tests: records what the editors ask of it.
class FakeHost : public WindowlessHost {
public:
    void UpdateFileSaveOpt() override { ++updateFileSaveOptCalls; }

    int updateFileSaveOptCalls = 0;
};
