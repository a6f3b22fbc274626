#include "core/io/PlayOptions.h"

#include "core/io/GameStore.h"

ByteArray PlayOptions::toRecord() const
{
    ByteArray record(RECORD_BYTES);
    if (!record.data)
        return record;
    record[0] = uint8_t(RECORD_KIND);
    record[1] = 1;
    record[2] = VERSION;
    record[3] = uint8_t(speed);
    record[4] = fourColourDeck ? 1 : 0;
    return record;
}

bool PlayOptions::fromRecord(const ByteArray& record)
{
    *this = PlayOptions();
    if (record.length < RECORD_BYTES || record[2] == 0 || record[3] >= SPEED_COUNT)
        return false;
    speed = Speed(record[3]);
    // As in the sound settings: a flag is set only by exactly 1.
    fourColourDeck = record[4] == 1;
    return true;
}

bool PlayOptions::load(FileSystem* fileSystem)
{
    return fromRecord(GameStore::load(RECORD_KIND, fileSystem));
}

bool PlayOptions::save(FileSystem* fileSystem) const
{
    return GameStore::save(RECORD_KIND, toRecord(), fileSystem);
}
