#pragma once

#include <string>

class FileSystem;
class HandHistoryStore;
class HostWindow;
class SoundOutput;
class TimeSource;

// What one run of the game gets from the machine. The program's entry (window or
// script player) fills one bundle from a backend and hands it to the game; nothing
// past that point knows which backend it runs on. The entry keeps ownership.
struct HostServices {
    TimeSource* time = nullptr;    // the clock behind currentTimeMillis
    FileSystem* files = nullptr;   // the record stores' files, in the data directory
    SoundOutput* sound = nullptr;  // null: the game is silent
    HostWindow* window = nullptr;
    HandHistoryStore* handHistories = nullptr; // null: no hand histories are written
    std::string dataDirectory;     // for files the stores don't hold (hand histories, size choice)
};
