#pragma once

#include "CliCommand.h"

#include <memory>
#include <vector>

// Every command linnet-cli knows, in the order the usage text lists them.
std::vector<std::unique_ptr<CliCommand>> allCliCommands();
