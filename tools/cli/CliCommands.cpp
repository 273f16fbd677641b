#include "CliCommands.h"

#include "DateTimeCliCommand.h"
#include "PrintCliCommand.h"
#include "RevsCommand.h"
#include "TransferCliCommands.h"

std::vector<std::unique_ptr<CliCommand>> allCliCommands()
{
    std::vector<std::unique_ptr<CliCommand>> commands;
    commands.push_back(std::make_unique<RevsCommand>());
    commands.push_back(std::make_unique<SendCliCommand>());
    commands.push_back(std::make_unique<ReceiveCliCommand>());
    commands.push_back(std::make_unique<DumpCliCommand>());
    commands.push_back(std::make_unique<PrintCliCommand>());
    commands.push_back(std::make_unique<DateTimeCliCommand>());
    return commands;
}
