#include "ResourceScript.h"

#include <stdexcept>

std::string ResourceScript::quote(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += "\"\"";
        else if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out + "\"";
}

std::string ResourceScript::write(const std::map<int, std::string>& texts, const std::vector<RawFile>& files)
{
    // No comment line: windres runs with /bin/cat as its preprocessor, and its own
    // parser knows no comments.
    std::string out;
    out += "LANGUAGE 9, 1\n\n";
    if (!texts.empty()) {
        out += "STRINGTABLE\nBEGIN\n";
        for (const auto& [id, text] : texts) {
            // windres drops empty strings anyway; keep the script honest.
            if (text.empty())
                continue;
            out += "  " + std::to_string(id) + ", " + quote(text) + "\n";
        }
        out += "END\n\n";
    }
    for (const RawFile& file : files) {
        if (file.path.find('"') != std::string::npos)
            throw std::runtime_error("resource file path contains a quote: " + file.path);
        out += std::to_string(file.id) + " RCDATA \"" + file.path + "\"\n";
    }
    return out;
}
