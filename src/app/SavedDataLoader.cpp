#include "app/SavedDataLoader.h"

#include "app/DeviceServices.h"
#include "app/StoreGuard.h"

#include "core/io/GameSetup.h"
#include "core/io/GameStore.h"
#include "core/io/Profile.h"
#include "core/io/RecordStore.h"
#include "core/io/Settings.h"
#include "core/resources/ResourcePack.h"
#include "core/resources/TextList.h"
#include "poker/GameRecord.h"
#include "poker/GameRecordClient.h"
#include "poker/TourneyRecord.h"

namespace {

constexpr int32_t TEXT_DEFAULT_NAMES = 2020;

} // namespace

SavedDataLoader::SavedDataLoader(StoreGuard& storeGuard, Profile& playerProfile, GameSetup& gameSetup,
                                 GameRecordClient& recordClient, DeviceServices& deviceServices)
    : stores(storeGuard)
    , profile(playerProfile)
    , setup(gameSetup)
    , records(recordClient)
    , device(deviceServices)
{
}

void SavedDataLoader::runStep(int32_t step)
{
    switch (step) {
    case 1:
        loadSettings();
        break;
    case 2:
        resetProfile();
        break;
    case 3:
        loadProfile();
        break;
    default:
        break;
    }
}

void SavedDataLoader::resetProfile()
{
    setup = GameSetup();
    records.gameInProgress = false;
    records.tourneyInProgress = false;
    Vector<String> names = TextList::split(getText(TEXT_DEFAULT_NAMES));
    profile.resetProfile(names.size() > 0 ? &names[0] : nullptr, names.size());
}

bool SavedDataLoader::storeHasRecord(const char* storeName)
{
    SharedPointer<RecordStore> store = RecordStore::openRecordStore(String(storeName), false, &stores);
    if (store.raw())
        return store->getRecord(1).data != nullptr;
    // A file that is there but not a store is kept as it is.
    if (stores.storeExists(String(storeName)))
        stores.protect(String(storeName));
    return false;
}

void SavedDataLoader::loadProfile()
{
    const String name(Profile::STORE_NAME);
    // A profile that is there but refused (or a damaged file) counts as absent
    // and is never written over.
    if (!profile.loadProfile(&stores) && stores.storeExists(name)) {
        SharedPointer<RecordStore> store = RecordStore::openRecordStore(name, false, &stores);
        if (!store.raw() || store->getRecord(1).data)
            stores.protect(name);
    }
    GameSetup saved;
    if (!saved.loadSetup(&stores) && stores.storeExists(String(GameSetup::STORE_NAME))) {
        SharedPointer<RecordStore> store = RecordStore::openRecordStore(String(GameSetup::STORE_NAME), false, &stores);
        if (!store.raw() || store->getRecord(1).data)
            stores.protect(String(GameSetup::STORE_NAME));
    }
    records.tourneyInProgress = storeHasRecord(TourneyRecord::STORE_NAME);
    records.gameInProgress = storeHasRecord(GameRecord::STORE_NAME);
}

bool SavedDataLoader::loadSettings()
{
    Settings& settings = processSettings();
    const bool loaded = settings.loadSettings(&stores);
    // With or without a record: a first start plays at the initial volume too.
    device.applyVolume();
    if (loaded)
        return true;
    // A settings record in use that is too short to read, or a damaged store file,
    // is left as it is.
    const String name(GameStore::STORE_NAME);
    SharedPointer<RecordStore> store = RecordStore::openRecordStore(name, false, &stores);
    if (!store.raw()) {
        if (stores.storeExists(name))
            stores.protect(name);
        return false;
    }
    for (int32_t i = 0; i < store->getNumRecords(); ++i) {
        ByteArray record = store->recordAt(i);
        if (record.length > 0 && record[0] == uint8_t(Settings::RECORD_KIND)) {
            if (record.length > 1 && record[1] == 1)
                stores.protect(name);
            break;
        }
    }
    return false;
}
