#pragma once

#include <map>
#include <string>
#include <vector>

// Writes the resource script (.rc) that windres compiles into the pack: one
// STRINGTABLE with every text and one RCDATA line per raw file. The script is fed to
// windres with --preprocessor=/bin/cat, so it holds no preprocessor lines.
class ResourceScript {
public:
    struct RawFile {
        int id;
        std::string path; // absolute
    };

    static std::string write(const std::map<int, std::string>& texts, const std::vector<RawFile>& files);
    // A text as a resource-script string literal: "" for a quote, \\ and \n escapes.
    static std::string quote(const std::string& text);
};
