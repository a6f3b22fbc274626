#pragma once

#include <map>
#include <string>

// Reads the pack's texts from their data file (assets/texts.txt). Each text is a
// line starting with its id and one or more C-style quoted pieces that may continue
// on the following indented lines, joined without separators:
//
//     2129 "You finished in place "
//     2060 "First paragraph.\n\n"
//          "Second paragraph."
//
// Escapes: \n (line feed), \" and \\. Lines starting with # are comments. Texts must
// be plain printable ASCII plus line feeds: the bitmap fonts have nothing else.
// Faults throw std::runtime_error with the line number.
class TextsFile {
public:
    static std::map<int, std::string> parse(const std::string& content);
    static std::map<int, std::string> load(const std::string& path);
};
