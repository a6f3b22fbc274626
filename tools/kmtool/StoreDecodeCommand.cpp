#include "JsonWriter.h"
#include "StoreDecoders.h"
#include "StatsJson.h"
#include "StoreFile.h"
#include "Subcommands.h"
#include "ToolError.h"

#include "core/io/ByteArrayInputStream.h"
#include "core/io/GameSetup.h"
#include "core/io/GameStore.h"
#include "core/io/PlayOptions.h"
#include "core/io/Profile.h"
#include "core/io/Settings.h"

namespace {

// The play options' record when the file has one (a file from before they existed
// has none, and its output stays as it was): its version byte, the values the game
// reads from it, and whether it was readable at all (when not, the game plays with
// the defaults shown).
void decodePlayOptions(const StoreFile& file, JsonWriter& json)
{
    for (int32_t i = 0; i < file.store->getNumRecords(); ++i) {
        ByteArray record = file.store->recordAt(i);
        if (record.length == 0 || record[0] != PlayOptions::RECORD_KIND)
            continue;
        PlayOptions options;
        const bool inUse = record.length > 1 && record[1] == 1;
        const bool readable = inUse && options.fromRecord(record);
        json.key("playOptions").beginObject().key("inUse").value(inUse).key("version");
        if (record.length > 2)
            json.value(int64_t(record[2]));
        else
            json.null();
        json.key("readable")
            .value(readable)
            .key("speed")
            .value(int64_t(options.speed))
            .key("fourColourDeck")
            .value(options.fourColourDeck)
            .endObject();
        return;
    }
}

void decodeSettings(const StoreFile& file, JsonWriter& json)
{
    // The first non-empty record of kind 1, as the game looks it up.
    ByteArray record;
    for (int32_t i = 0; i < file.store->getNumRecords(); ++i) {
        ByteArray candidate = file.store->recordAt(i);
        if (candidate.length > 0 && candidate[0] == Settings::RECORD_KIND) {
            record = candidate;
            break;
        }
    }
    if (!record.data)
        throw ToolError(file.path + " holds no settings record");
    if (record.length < 2 || record[1] != 1)
        throw ToolError(file.path + ": the settings record is marked as not in use");
    Settings settings;
    if (!settings.fromRecord(record))
        throw ToolError(file.path + ": the settings record has " + std::to_string(record.length)
                        + " bytes, not " + std::to_string(Settings::RECORD_BYTES));
    json.key("fields")
        .beginObject()
        .key("soundOn")
        .value(settings.soundOn)
        .key("volume")
        .value(int64_t(settings.volume))
        .key("musicOn")
        .value(settings.musicOn)
        .key("askSoundAtStart")
        .value(settings.askSoundAtStart)
        .key("vibrationOn")
        .value(settings.vibrationOn)
        .endObject();
    decodePlayOptions(file, json);
}

void decodeProfile(const StoreFile& file, JsonWriter& json)
{
    ByteArray record = recordOne(file);
    ByteArrayInputStream source(record);
    DataInputStream in(&source);
    Profile profile;
    if (!profile.read(in))
        throw ToolError(file.path + ": record 1 is not a valid profile (truncated or avatar out of range)");
    // The hand-start chips follow when present; the game itself never reads them back.
    int32_t handStartChips = in.readInt();
    bool hasHandStartChips = !in.truncated();
    json.key("fields")
        .beginObject()
        .key("avatar")
        .value(int64_t(profile.avatar))
        .key("flagA")
        .value(profile.flagA)
        .key("flagB")
        .value(profile.flagB)
        .key("setupName")
        .value(profile.setupName.toUtf8())
        .key("bankroll")
        .value(int64_t(profile.bankroll))
        .key("secondBankroll")
        .value(int64_t(profile.tourneyBankroll))
        .key("names")
        .beginArray();
    for (const String& name : profile.names)
        json.value(name.toUtf8());
    json.endArray().key("counter").value(int64_t(profile.counter)).key("playerName").value(profile.playerName.toUtf8());
    json.key("handStartChips");
    if (hasHandStartChips)
        json.value(int64_t(handStartChips));
    else
        json.null();
    json.endObject();
}

void decodeSetup(const StoreFile& file, JsonWriter& json)
{
    ByteArray record = recordOne(file);
    ByteArrayInputStream source(record);
    DataInputStream in(&source);
    GameSetup setup;
    if (!setup.read(in))
        throw ToolError(file.path + ": record 1 is not a valid game setup (truncated or a value out of range)");
    json.key("fields")
        .beginObject()
        .key("mode")
        .value(setup.mode)
        .key("gameType")
        .value(int64_t(setup.gameType))
        .key("stakeLevel")
        .value(int64_t(setup.stakeLevel))
        .key("playerName")
        .value(setup.playerName.toUtf8())
        .key("avatar")
        .value(int64_t(setup.avatar))
        .key("tournamentSize")
        .value(int64_t(setup.tournamentSize))
        .endObject();
}

void decodeStats(const StoreFile& file, JsonWriter& json)
{
    ByteArray record = recordOne(file);
    ByteArrayInputStream source(record);
    DataInputStream in(&source);
    PlayerStats stats;
    const PlayerStats::Read read = stats.read(in);
    if (read == PlayerStats::Read::Refused)
        throw ToolError(file.path + ": record 1 is not a statistics record (unknown version, truncated or inconsistent)");
    json.key("version").value(int64_t(record.length > 0 ? record[0] : 0));
    json.key("complete").value(read == PlayerStats::Read::Whole);
    json.key("fields").beginObject();
    writeHandFigures(json, stats.total);
    writeTournamentFigures(json, stats);
    json.key("chart").beginArray();
    for (int32_t i = 0; i < stats.chartCount(); ++i)
        json.value(stats.chartPoint(i));
    json.endArray();
    json.endObject();
}

struct Decoder {
    const char* storeName;
    const char* kind;
    void (*decode)(const StoreFile&, JsonWriter&);
};

const Decoder DECODERS[] = {
    { GameStore::STORE_NAME, "settings", decodeSettings },
    { Profile::STORE_NAME, "profile", decodeProfile },
    { GameSetup::STORE_NAME, "setup", decodeSetup },
    { "KMRB2Game", "game", decodeGame },
    { "KMRB2Tourney", "tourney", decodeTourney },
    { PlayerStats::STORE_NAME, "stats", decodeStats },
};

} // namespace

ByteArray recordOne(const StoreFile& file)
{
    ByteArray record = file.store->getRecord(1);
    if (!record.data)
        throw ToolError(file.path + " has no record 1");
    return record;
}

// kmtool store decode FILE [--data-dir DIR]: the content of a known store, chosen by
// its file name, field by field; "fields" is null for a store without records.
// Read-only.
void runStoreDecode(const Arguments& arguments)
{
    StoreFile file = readStoreFile(arguments);
    for (const Decoder& decoder : DECODERS) {
        if (file.storeName != decoder.storeName)
            continue;
        JsonWriter json;
        json.beginObject().key("store").value(file.storeName).key("kind").value(decoder.kind);
        if (file.store->getNumRecords() == 0) {
            // A store with nothing in it yet (a 0-byte file among them) is valid:
            // shown as store dump shows it, with no fields to decode.
            json.key("records").beginArray().endArray();
            json.key("nextRecordId").value(int64_t(file.store->getNextRecordId()));
            json.key("fields").null();
        } else {
            decoder.decode(file, json);
        }
        json.endObject();
        json.print();
        return;
    }
    throw ToolError("unknown store '" + file.storeName
                    + "': expected GAME_STORE, KMRB2Options, KMRB2GameInit, KMRB2Game, KMRB2Tourney or KMRB2Stats"
                      " followed by _DATA.dat");
}
