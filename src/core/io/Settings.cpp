#include "core/io/Settings.h"

#include "core/io/GameStore.h"
#include "core/resources/SoundIds.h"

Settings& processSettings()
{
    static Settings settings;
    return settings;
}

ByteArray Settings::toRecord() const
{
    ByteArray record(RECORD_BYTES);
    if (!record.data)
        return record;
    record[0] = uint8_t(RECORD_KIND);
    record[1] = 1;
    record[2] = soundOn ? 1 : 0;
    record[3] = volume;
    record[4] = musicOn ? 1 : 0;
    record[5] = askSoundAtStart ? 1 : 0;
    record[6] = vibrationOn ? 1 : 0;
    return record;
}

bool Settings::fromRecord(const ByteArray& record)
{
    if (record.length < RECORD_BYTES)
        return false;
    soundOn = record[2] == 1;
    volume = record[3] > MAX_VOLUME ? uint8_t(MAX_VOLUME) : record[3];
    musicOn = record[4] == 1;
    askSoundAtStart = record[5] == 1;
    vibrationOn = record[6] == 1;
    return true;
}

bool Settings::loadSettings(FileSystem* fileSystem)
{
    play.load(fileSystem);
    return fromRecord(GameStore::load(RECORD_KIND, fileSystem));
}

bool Settings::saveSettings(FileSystem* fileSystem) const
{
    const bool sound = GameStore::save(RECORD_KIND, toRecord(), fileSystem);
    const bool options = play.save(fileSystem);
    return sound && options;
}

bool Settings::canPlay(int32_t soundId) const
{
    if (soundId == STOP_SOUND)
        return true;
    if (soundId == SOUND_TITLE_MUSIC)
        return soundOn && musicOn;
    return soundOn;
}
