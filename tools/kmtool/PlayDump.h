#pragma once

class Game;
class HeadlessWindow;

// `kmtool play`'s dump: the state a scripted player can check, as one JSON line on
// stdout. Field names are fixed; scripts rely on them.
class PlayDump {
public:
    static void write(Game& game, HeadlessWindow& window);
};
