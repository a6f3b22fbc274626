#pragma once

class FileSystem;
class FrameSizeStore;
class HandHistoryStore;
class HostWindow;
class SoundOutput;
class TimeSource;

// What one run of the game gets from the machine. The program's entry (window or
// script player) fills one bundle from a backend and hands it to the game; nothing
// past that point knows which backend it runs on. The entry keeps ownership.
struct HostServices {
    TimeSource* time = nullptr;    // the clock behind currentTimeMillis while the game runs
    FileSystem* files = nullptr;   // the record stores' files, in the data directory
    SoundOutput* sound = nullptr;  // null: the game is silent
    HostWindow* window = nullptr;
    HandHistoryStore* handHistories = nullptr; // null: no hand histories are written
    FrameSizeStore* frameSizes = nullptr;      // null: the size picked is not remembered
};
