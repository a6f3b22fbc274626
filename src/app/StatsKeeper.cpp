#include "app/StatsKeeper.h"

#include "app/StoreGuard.h"
#include "core/io/RecordStore.h"

void StatsKeeper::load(StoreGuard& files)
{
    const String name(PlayerStats::STORE_NAME);
    if (RecordStore::loadObject(name, stats, &files))
        return;
    // Statistics are the one store worth less than a fresh start: a damaged file
    // would otherwise refuse every later save.
    if (files.storeExists(name) && !RecordStore::openRecordStore(name, /*createIfMissing=*/false, &files).raw())
        RecordStore::deleteRecordStore(name, &files);
}

bool StatsKeeper::save(FileSystem* files)
{
    return RecordStore::saveObject(String(PlayerStats::STORE_NAME), stats, files);
}

void StatsKeeper::countHand(const HandResult& hand, FileSystem* files)
{
    if (!hand.dealt)
        return;
    stats.addHand(hand);
    save(files);
}

void StatsKeeper::countTournament(int32_t place, bool paid, FileSystem* files)
{
    stats.addTournament(place, paid);
    save(files);
}

void StatsKeeper::reset(FileSystem* files)
{
    stats.reset();
    save(files);
}
