#include "Subcommands.h"

void runPackList(const Arguments& arguments);
void runPackText(const Arguments& arguments);
void runPngInfo(const Arguments& arguments);

const std::vector<Subcommand>& subcommands()
{
    static const std::vector<Subcommand> table = {
        { "pack list", "pack list FILE", runPackList },
        { "pack text", "pack text FILE ID", runPackText },
        { "png info", "png info FILE", runPngInfo },
    };
    return table;
}
