// kmtool pack text FILE ID: {"id":..,"text":".."}; an absent id gives "".
#include "CommandLine.h"
#include "JsonWriter.h"
#include "Subcommands.h"
#include "ToolError.h"

#include "core/resources/ResourcePack.h"

#include <memory>

std::unique_ptr<ResourcePack> loadPackForTool(const std::string& path);

namespace {

// UTF-16 units to UTF-8; a lone surrogate becomes U+FFFD.
std::string toUtf8(const String& text)
{
    std::string out;
    for (int32_t i = 0; i < text.length(); ++i) {
        uint32_t c = text.charAt(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.length() && text.charAt(i + 1) >= 0xDC00 &&
            text.charAt(i + 1) <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text.charAt(i + 1) - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | c >> 6);
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | c >> 12);
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | c >> 18);
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

void runPackText(const Arguments& arguments)
{
    CommandLine line(arguments, {});
    line.expectPositionals(2, 2);
    int64_t id = CommandLine::parseInteger("ID", line.positionals()[1], 0, 0xFFFF);
    std::unique_ptr<ResourcePack> pack = loadPackForTool(line.positionals()[0]);
    JsonWriter json;
    json.beginObject().key("id").value(id).key("text").value(toUtf8(pack->text(int32_t(id)))).endObject().print();
}
