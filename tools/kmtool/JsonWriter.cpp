#include "JsonWriter.h"

#include <cmath>
#include <cstdio>

void JsonWriter::separate()
{
    if (needsComma)
        out += ',';
    needsComma = false;
}

JsonWriter& JsonWriter::beginObject()
{
    separate();
    out += '{';
    return *this;
}

JsonWriter& JsonWriter::endObject()
{
    out += '}';
    needsComma = true;
    return *this;
}

JsonWriter& JsonWriter::beginArray()
{
    separate();
    out += '[';
    return *this;
}

JsonWriter& JsonWriter::endArray()
{
    out += ']';
    needsComma = true;
    return *this;
}

JsonWriter& JsonWriter::key(const std::string& name)
{
    value(name);
    out += ':';
    needsComma = false;
    return *this;
}

JsonWriter& JsonWriter::value(int64_t number)
{
    separate();
    out += std::to_string(number);
    needsComma = true;
    return *this;
}

JsonWriter& JsonWriter::value(double number)
{
    separate();
    if (!std::isfinite(number)) {
        out += "null";
    } else {
        char text[64];
        std::snprintf(text, sizeof text, "%.6g", number);
        out += text;
    }
    needsComma = true;
    return *this;
}

JsonWriter& JsonWriter::value(bool flag)
{
    separate();
    out += flag ? "true" : "false";
    needsComma = true;
    return *this;
}

JsonWriter& JsonWriter::value(const std::string& text)
{
    separate();
    out += '"';
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
    needsComma = true;
    return *this;
}

JsonWriter& JsonWriter::null()
{
    separate();
    out += "null";
    needsComma = true;
    return *this;
}

void JsonWriter::print() const
{
    std::printf("%s\n", out.c_str());
}
