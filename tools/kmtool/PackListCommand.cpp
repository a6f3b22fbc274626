// kmtool pack list FILE: {"texts":N,"raw":[{"id":..,"size":..},...]}
#include "CommandLine.h"
#include "JsonWriter.h"
#include "Subcommands.h"
#include "ToolError.h"

#include "core/resources/ResourcePack.h"

#include <memory>

std::unique_ptr<ResourcePack> loadPackForTool(const std::string& path)
{
    std::unique_ptr<ResourcePack> pack(ResourcePack::load(path.c_str()));
    if (!pack)
        throw ToolError("cannot open resource pack " + path + ": missing, unreadable or not a PE module");
    return pack;
}

void runPackList(const Arguments& arguments)
{
    CommandLine line(arguments, {});
    line.expectPositionals(1, 1);
    std::unique_ptr<ResourcePack> pack = loadPackForTool(line.positionals()[0]);
    JsonWriter json;
    json.beginObject().key("texts").value(int64_t(pack->textCount())).key("raw").beginArray();
    for (const ResourcePack::Entry& entry : pack->rawEntries())
        json.beginObject().key("id").value(int64_t(entry.id)).key("size").value(int64_t(entry.size)).endObject();
    json.endArray().endObject().print();
}
