#pragma once

// Writes a `kmtool play` script of random player steps from a seed: the same seed
// gives the same script, so whatever a run finds can be played again.
#include <cstdint>
#include <random>
#include <string>

class RandomPlayScript {
public:
    explicit RandomPlayScript(uint64_t seed)
        : random(seed)
    {
    }

    // Through the splash screens, a dump of what the start found, then between 20
    // and 400 random steps with a dump now and then, and a last dump before the
    // window closes wherever the steps left the game.
    std::string make()
    {
        std::string script = "wait 16000\ndump\n";
        const int steps = between(20, 400);
        for (int i = 0; i < steps; ++i) {
            script += step();
            if (between(1, 10) == 1)
                script += "dump\n";
        }
        if (unfocused)
            script += between(0, 1) ? "focus on\nwait 300\n" : "";
        return script + "dump\nquit\n";
    }

private:
    struct Size {
        int width, height;
    };
    // The frame sizes the game supports.
    static constexpr Size SIZES[] = { { 176, 220 }, { 240, 240 }, { 240, 320 }, { 320, 240 }, { 320, 320 }, { 480, 640 } };

    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    // Weighted towards what moves a game on: choosing, acting at the table and
    // waiting for the computer players. The letter W never appears: with 0 before
    // them, four of them on the main menu fill the bankroll, which no ledger explains.
    std::string step()
    {
        const int roll = between(0, 99);
        if (roll < 20)
            return "key RETURN\nwait " + std::to_string(between(0, 400)) + "\n";
        if (roll < 40) {
            // 1, 2, 3: the table's actions; 4: the standings of a tournament.
            static const char* ACTIONS[] = { "0x31", "0x32", "0x33", "0x34", "0x31", "0x32", "0x33" };
            return std::string("key ") + ACTIONS[between(0, 6)] + "\nwait " + std::to_string(between(0, 1500)) + "\n";
        }
        if (roll < 52) {
            static const char* ARROWS[] = { "UP", "DOWN", "LEFT", "RIGHT" };
            return std::string("key ") + ARROWS[between(0, 3)] + "\n";
        }
        if (roll < 55) {
            // Escape and F2 leave the game from the main menu: only now and then.
            const int rare = between(0, 9);
            if (rare < 4)
                return "key ESCAPE\nwait 300\n";
            return std::string("key ") + (rare < 6 ? "F2" : "F1") + "\nwait 300\n";
        }
        if (roll < 60) {
            // Other digits, the whole stack, a deletion or a few letters of a name.
            static const char* OTHERS[] = { "key 0x30\n", "key 0x35\n", "key 0x39\n", "type a\n", "type *\n",
                "key BACKSPACE\n", "key 0x41\n", "type Zoe\n", "key 0x58\n" };
            return OTHERS[between(0, 8)];
        }
        if (roll < 82)
            return "wait " + std::to_string(between(1, 4) == 1 ? between(3000, 20000) : between(100, 2500)) + "\n";
        if (roll < 90) {
            // Mostly on the frame, now and then just off its edge.
            const int x = between(-5, size.width + 4);
            const int y = between(-5, size.height + 4);
            if (between(0, 4) == 0) {
                const int toX = between(0, size.width - 1), toY = between(0, size.height - 1);
                return "press " + point(x, y) + "drag " + point((x + toX) / 2, (y + toY) / 2) + "drag "
                    + point(toX, toY) + "release " + point(toX, toY);
            }
            return "tap " + point(x, y) + "wait " + std::to_string(between(0, 300)) + "\n";
        }
        if (roll < 95) {
            size = SIZES[between(0, 5)];
            return "size " + std::to_string(size.width) + " " + std::to_string(size.height) + "\nwait 200\n";
        }
        unfocused = !unfocused;
        return unfocused ? "focus off\nwait " + std::to_string(between(0, 5000)) + "\n" : "focus on\n";
    }

    static std::string point(int x, int y) { return std::to_string(x) + " " + std::to_string(y) + "\n"; }

    std::mt19937_64 random;
    Size size { 240, 320 }; // kmtool play's own size
    bool unfocused = false;
};
