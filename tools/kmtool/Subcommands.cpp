#include "Subcommands.h"

const std::vector<Subcommand>& subcommands()
{
    static const std::vector<Subcommand> table = {
    };
    return table;
}
