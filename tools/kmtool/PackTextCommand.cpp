// kmtool pack text FILE ID: {"id":..,"text":".."}; an absent id gives "".
#include "CommandLine.h"
#include "JsonWriter.h"
#include "Subcommands.h"
#include "ToolError.h"

#include "core/resources/ResourcePack.h"

#include <memory>

std::unique_ptr<ResourcePack> loadPackForTool(const std::string& path);

void runPackText(const Arguments& arguments)
{
    CommandLine line(arguments, {});
    line.expectPositionals(2, 2);
    int64_t id = CommandLine::parseInteger("ID", line.positionals()[1], 0, 0xFFFF);
    std::unique_ptr<ResourcePack> pack = loadPackForTool(line.positionals()[0]);
    JsonWriter json;
    json.beginObject().key("id").value(id).key("text").value(pack->text(int32_t(id)).toUtf8()).endObject().print();
}
