#pragma once

#include "core/io/FileSystem.h"
#include "core/io/PlayOptions.h"
#include "core/runtime/Array.h"

#include <cstdint>

// The five settings the sound and vibration services consult on every request.
// Kept as record kind 1 of "GAME_STORE": kind, in-use marker, soundOn, volume,
// musicOn, askSoundAtStart, vibrationOn. The pace and the deck's colours travel
// with them, stored as a record of their own kind (PlayOptions).
class Settings {
public:
    static constexpr int32_t RECORD_KIND = 1;
    static constexpr int32_t RECORD_BYTES = 7;
    static constexpr int32_t MAX_VOLUME = 100;

    bool soundOn = true;
    bool musicOn = true;          // counts only while soundOn
    bool askSoundAtStart = true;
    uint8_t volume = 70;          // percent
    bool vibrationOn = true;
    PlayOptions play;

    // Reads the stored record over the current values. False when there is none
    // (the values stay); the caller applies the volume after a true result. The play
    // options are read too, whatever the result: a missing or damaged record of
    // theirs reads as their defaults and costs the sound settings nothing.
    bool loadSettings(FileSystem* fileSystem = nullptr);
    // Both records; false when either could not be written.
    bool saveSettings(FileSystem* fileSystem = nullptr) const;

    ByteArray toRecord() const;
    // A flag counts as set only when its byte is exactly 1; a volume above 100 is
    // taken as 100. False, changing nothing, for a record shorter than 7 bytes.
    bool fromRecord(const ByteArray& record);

    // Sound ids as in core/resources/SoundIds.h. The stop request always plays;
    // the title music needs sound and music on; everything else needs sound on.
    bool canPlay(int32_t soundId) const;
};

// The settings of the process, read by the sound and vibration services.
Settings& processSettings();
