#include "table/TableSaves.h"

#include "core/io/ByteArrayInputStream.h"
#include "core/io/DataInputStream.h"
#include "core/io/GameSetup.h"
#include "core/io/Profile.h"
#include "core/io/RecordStore.h"
#include "core/io/StoreTransaction.h"
#include "poker/GameRecord.h"
#include "poker/GameRecordClient.h"
#include "poker/TableRecord.h"
#include "poker/TournamentField.h"
#include "poker/TourneyRecord.h"
#include "table/TableHost.h"

#include <algorithm>
#include <memory>

TableSaves::TableSaves(TableHost& tableHost, PokerTable& pokerTable, TournamentField& tournamentField,
                       int32_t human)
    : host(tableHost)
    , table(pokerTable)
    , field(tournamentField)
    , humanSeat(human)
{
}

bool TableSaves::load(const char* storeName)
{
    return RecordStore::loadObject(String(storeName), host.records(), host.fileSystem());
}

bool TableSaves::normaliseLoaded()
{
    if (table.state == PokerTable::STATE_CHOOSE_BUTTON)
        return false;
    const bool paid = table.state == PokerTable::STATE_SETTLE;
    table.state = PokerTable::STATE_START_HAND;
    table.awaitingAction = false;
    table.handOver = false;
    for (int32_t s = 0; s < SEATS; ++s) {
        Player& p = table.player(s);
        p.roundBet = 0;
        p.winnings = 0;
    }
    if (paid)
        table.removeBusted();
    return paid;
}

void TableSaves::saveGame(const uint8_t (&avatars)[SEATS])
{
    GameRecordClient& records = host.records();
    records.table = &table;
    records.humanSeat = humanSeat;
    for (int32_t s = 0; s < SEATS; ++s)
        records.avatars[s] = avatars[s];
    host.profile().handStartChips = TableRecord::chipsOnRecord(table, table.player(humanSeat));
    // A table that cannot go on record leaves the profile alone too: a bankroll
    // saved without its table would have lost the buy-in.
    if (host.storeKept(GameRecord::STORE_NAME))
        return;
    StoreTransaction tx(host.fileSystem());
    tx.putObject(String(GameRecord::STORE_NAME), records);
    stageProfile(tx);
    tx.commit();
}

void TableSaves::saveTourney()
{
    GameRecordClient& records = host.records();
    records.table = &table;
    records.field = &field;
    if (host.storeKept(TourneyRecord::STORE_NAME))
        return;
    StoreTransaction tx(host.fileSystem());
    tx.putObject(String(TourneyRecord::STORE_NAME), records);
    stageProfile(tx);
    if (tx.commit())
        records.tourneyInProgress = true;
}

void TableSaves::saveNewGame(const char* storeName, GameSetup& setup, const uint8_t (&avatars)[SEATS])
{
    GameRecordClient& records = host.records();
    records.table = &table;
    records.field = &field;
    records.humanSeat = humanSeat;
    for (int32_t s = 0; s < SEATS; ++s)
        records.avatars[s] = avatars[s];
    const bool cash = setup.gameType != GameSetup::GAME_TOURNAMENT;
    if (cash)
        host.profile().handStartChips = TableRecord::chipsOnRecord(table, table.player(humanSeat));
    if (host.storeKept(storeName))
        return;
    StoreTransaction tx(host.fileSystem());
    if (!host.storeKept(GameSetup::STORE_NAME))
        tx.putObject(String(GameSetup::STORE_NAME), setup);
    tx.putObject(String(storeName), records);
    stageProfile(tx);
    const bool saved = tx.commit();
    if (cash)
        records.gameInProgress = saved;
    else
        records.tourneyInProgress = saved;
}

bool TableSaves::settleLeaving(bool cash)
{
    StoreTransaction tx(host.fileSystem());
    if (cash)
        stageRemoval(tx, GameRecord::STORE_NAME);
    stageRemoval(tx, GameSetup::STORE_NAME);
    stageProfile(tx);
    if (!tx.commit())
        return false;
    if (cash)
        host.records().gameInProgress = false;
    return true;
}

bool TableSaves::settleTournament(bool prizePaid)
{
    StoreTransaction tx(host.fileSystem());
    stageRemoval(tx, TourneyRecord::STORE_NAME);
    stageRemoval(tx, GameSetup::STORE_NAME);
    if (prizePaid)
        stageProfile(tx);
    if (!tx.commit())
        return false;
    host.records().tourneyInProgress = false;
    return true;
}

int32_t TableSaves::savedGameChips(const PokerTable* table, FileSystem* fileSystem)
{
    SharedPointer<RecordStore> store =
        RecordStore::openRecordStore(String(GameRecord::STORE_NAME), /*createIfMissing=*/false, fileSystem);
    if (store == nullptr)
        return -1;
    ByteArray bytes = store->getRecord(1);
    if (!bytes.data)
        return -1;
    ByteArrayInputStream raw(bytes);
    DataInputStream in(&raw);
    // About 1 KB with its six names: kept off the stack like the loader does.
    std::unique_ptr<GameRecord> record(new GameRecord);
    if (!record->readFields(in) || (table && !record->isValidFor(*table)))
        return -1;
    if (record->humanSeat < 0 || record->humanSeat >= SEATS)
        return -1;
    const GameRecord::SeatRecord& human = record->seats[record->humanSeat];
    return human.seated ? std::max(0, human.chips) : 0;
}

void TableSaves::stageProfile(StoreTransaction& tx)
{
    if (!host.storeKept(Profile::STORE_NAME))
        tx.putObject(String(Profile::STORE_NAME), host.profile());
}

void TableSaves::stageRemoval(StoreTransaction& tx, const char* storeName)
{
    if (!host.storeKept(storeName))
        tx.removeStore(String(storeName));
}
