#include "CliCommands.h"

#include "RevsCommand.h"

std::vector<std::unique_ptr<CliCommand>> allCliCommands()
{
    std::vector<std::unique_ptr<CliCommand>> commands;
    commands.push_back(std::make_unique<RevsCommand>());
    return commands;
}
