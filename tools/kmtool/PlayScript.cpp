#include "PlayScript.h"

#include "ToolError.h"

#include <cstdlib>
#include <sstream>

namespace {

struct NamedKey {
    const char* name;
    int32_t code;
};

// Windows virtual-key codes, which the key mapper's tables are written in.
constexpr NamedKey NAMED_KEYS[] = {
    { "UP", 0x26 }, { "DOWN", 0x28 }, { "LEFT", 0x25 }, { "RIGHT", 0x27 },
    { "RETURN", 0x0D }, { "ESCAPE", 0x1B }, { "BACKSPACE", 0x08 }, { "DELETE", 0x2E },
    { "F1", 0x70 }, { "F2", 0x71 }, { "SHIFT", 0x10 },
};

// SDL's game controller button names and numbers, and the left trigger as the
// host reports it pulled.
constexpr NamedKey PAD_BUTTONS[] = {
    { "A", 0 }, { "B", 1 }, { "X", 2 }, { "Y", 3 }, { "BACK", 4 }, { "GUIDE", 5 }, { "START", 6 },
    { "LEFTSTICK", 7 }, { "RIGHTSTICK", 8 }, { "LEFTSHOULDER", 9 }, { "RIGHTSHOULDER", 10 },
    { "DPAD_UP", 11 }, { "DPAD_DOWN", 12 }, { "DPAD_LEFT", 13 }, { "DPAD_RIGHT", 14 },
    { "LEFTTRIGGER", 32 },
};

[[noreturn]] void refuse(int32_t line, const std::string& what)
{
    throw ToolError("line " + std::to_string(line) + ": " + what);
}

int64_t wholeNumber(int32_t line, const std::string& word, int64_t min, int64_t max)
{
    if (word.empty())
        refuse(line, "missing number");
    char* end = nullptr;
    long long value = std::strtoll(word.c_str(), &end, 10);
    if (*end != '\0' || value < min || value > max)
        refuse(line, "bad number '" + word + "'");
    return value;
}

// UTF-8 to code points; a broken sequence refuses the line rather than guessing.
std::u32string decodeUtf8(int32_t line, const std::string& text)
{
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        auto byte = static_cast<unsigned char>(text[i]);
        int extra = byte < 0x80 ? 0 : (byte >> 5) == 6 ? 1 : (byte >> 4) == 14 ? 2 : (byte >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= text.size())
            refuse(line, "text is not UTF-8");
        char32_t code = extra == 0 ? byte : byte & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                refuse(line, "text is not UTF-8");
            code = (code << 6) | (next & 0x3F);
        }
        out.push_back(code);
        i += extra + 1;
    }
    return out;
}

} // namespace

int32_t PlayScript::keyCode(const std::string& name)
{
    for (const NamedKey& key : NAMED_KEYS) {
        if (name == key.name)
            return key.code;
    }
    if (name.size() > 2 && name.size() <= 4 && name[0] == '0' && (name[1] == 'x' || name[1] == 'X')) {
        char* end = nullptr;
        long value = std::strtol(name.c_str() + 2, &end, 16);
        if (*end == '\0' && value >= 0 && value <= 0xFF)
            return static_cast<int32_t>(value);
    }
    return -1;
}

int32_t PlayScript::padButton(const std::string& name)
{
    for (const NamedKey& button : PAD_BUTTONS) {
        if (name == button.name)
            return button.code;
    }
    return -1;
}

std::vector<PlayStep> PlayScript::parse(std::istream& in)
{
    std::vector<PlayStep> steps;
    std::string raw;
    int32_t lineNumber = 0;
    while (std::getline(in, raw)) {
        ++lineNumber;
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        std::istringstream words(raw);
        std::string command;
        if (!(words >> command) || command[0] == '#')
            continue;
        std::vector<std::string> args;
        for (std::string word; words >> word;)
            args.push_back(word);
        auto expect = [&](size_t count) {
            if (args.size() != count)
                refuse(lineNumber, command + " takes " + std::to_string(count) + " argument" + (count == 1 ? "" : "s"));
        };

        PlayStep step;
        step.line = lineNumber;
        if (command == "wait") {
            expect(1);
            step.kind = PlayStep::Kind::Wait;
            step.millis = wholeNumber(lineNumber, args[0], 0, 1000LL * 60 * 60 * 24 * 365);
        } else if (command == "key" || command == "keydown" || command == "keyup") {
            expect(1);
            step.kind = command == "key" ? PlayStep::Kind::Key
                : command == "keydown"   ? PlayStep::Kind::KeyDown
                                         : PlayStep::Kind::KeyUp;
            step.key = keyCode(args[0]);
            if (step.key < 0)
                refuse(lineNumber, "unknown key '" + args[0] + "'");
        } else if (command == "pad") {
            expect(1);
            step.kind = PlayStep::Kind::Pad;
            step.key = padButton(args[0]);
            if (step.key < 0)
                refuse(lineNumber, "unknown pad button '" + args[0] + "'");
        } else if (command == "type") {
            // The rest of the line after one separating space, spaces included.
            size_t start = raw.find("type") + 4;
            if (start < raw.size() && (raw[start] == ' ' || raw[start] == '\t'))
                ++start;
            step.kind = PlayStep::Kind::Type;
            step.text = decodeUtf8(lineNumber, raw.substr(start));
        } else if (command == "tap" || command == "press" || command == "release" || command == "drag") {
            expect(2);
            step.kind = command == "tap" ? PlayStep::Kind::Tap
                : command == "press"     ? PlayStep::Kind::Press
                : command == "release"   ? PlayStep::Kind::Release
                                         : PlayStep::Kind::Drag;
            step.x = static_cast<int32_t>(wholeNumber(lineNumber, args[0], -100000, 100000));
            step.y = static_cast<int32_t>(wholeNumber(lineNumber, args[1], -100000, 100000));
        } else if (command == "size") {
            expect(2);
            step.kind = PlayStep::Kind::Size;
            step.x = static_cast<int32_t>(wholeNumber(lineNumber, args[0], 1, 4096));
            step.y = static_cast<int32_t>(wholeNumber(lineNumber, args[1], 1, 4096));
        } else if (command == "focus") {
            expect(1);
            if (args[0] != "on" && args[0] != "off")
                refuse(lineNumber, "focus takes on or off");
            step.kind = PlayStep::Kind::Focus;
            step.on = args[0] == "on";
        } else if (command == "shot") {
            expect(1);
            if (args[0].find('/') != std::string::npos || args[0] == "." || args[0] == "..")
                refuse(lineNumber, "shot names a file in the shots folder, not a path");
            step.kind = PlayStep::Kind::Shot;
            step.name = args[0];
        } else if (command == "dump") {
            expect(0);
            step.kind = PlayStep::Kind::Dump;
        } else if (command == "quit") {
            expect(0);
            step.kind = PlayStep::Kind::Quit;
        } else {
            refuse(lineNumber, "unknown command '" + command + "'");
        }
        steps.push_back(step);
    }
    return steps;
}
