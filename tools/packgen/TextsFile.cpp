#include "TextsFile.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

[[noreturn]] void fail(int line, const std::string& why)
{
    throw std::runtime_error("texts line " + std::to_string(line) + ": " + why);
}

// Reads the quoted pieces from position i of a line and appends them to text.
void readPieces(const std::string& line, size_t i, int lineNumber, std::string& text)
{
    bool any = false;
    for (;;) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= line.size())
            break;
        if (line[i] != '"')
            fail(lineNumber, "expected a quoted text");
        ++i;
        bool closed = false;
        while (i < line.size()) {
            char c = line[i++];
            if (c == '"') {
                closed = true;
                break;
            }
            if (c == '\\') {
                if (i >= line.size())
                    fail(lineNumber, "escape at the end of the line");
                char e = line[i++];
                if (e == 'n')
                    c = '\n';
                else if (e == '"' || e == '\\')
                    c = e;
                else
                    fail(lineNumber, std::string("unknown escape \\") + e);
            } else if (c < 0x20 || c > 0x7E) {
                fail(lineNumber, "only printable ASCII is allowed");
            }
            text += c;
        }
        if (!closed)
            fail(lineNumber, "unterminated quote");
        any = true;
    }
    if (!any)
        fail(lineNumber, "no text");
}

} // namespace

std::map<int, std::string> TextsFile::parse(const std::string& content)
{
    std::map<int, std::string> texts;
    std::istringstream in(content);
    std::string line;
    int lineNumber = 0;
    int current = -1;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        size_t i = line.find_first_not_of(" \t");
        if (i == std::string::npos || line[i] == '#')
            continue;
        if (std::isdigit(static_cast<unsigned char>(line[0]))) {
            size_t end = 0;
            long id = std::stol(line, &end);
            if (id < 0 || id > 0xFFFF)
                fail(lineNumber, "text id out of range");
            if (texts.count(int(id)))
                fail(lineNumber, "text " + std::to_string(id) + " given twice");
            current = int(id);
            readPieces(line, end, lineNumber, texts[current]);
        } else if (line[0] == ' ' || line[0] == '\t') {
            if (current < 0)
                fail(lineNumber, "continuation without a text id");
            readPieces(line, i, lineNumber, texts[current]);
        } else {
            fail(lineNumber, "expected a text id");
        }
    }
    return texts;
}

std::map<int, std::string> TextsFile::load(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream content;
    content << in.rdbuf();
    return parse(content.str());
}
