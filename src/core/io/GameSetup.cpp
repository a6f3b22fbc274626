#include "core/io/GameSetup.h"

#include "core/io/RecordStore.h"

bool GameSetup::write(DataOutputStream& out) const
{
    out.writeBoolean(mode);
    out.writeByte(gameType);
    out.writeByte(stakeLevel);
    if (!out.writeUTF(playerName))
        return false;
    out.writeByte(avatar);
    out.writeByte(tournamentSize);
    return true;
}

bool GameSetup::read(DataInputStream& in)
{
    GameSetup loaded;
    loaded.mode = in.readBoolean();
    loaded.gameType = in.readByte();
    loaded.stakeLevel = in.readByte();
    loaded.playerName = in.readUTF();
    loaded.avatar = in.readByte();
    loaded.tournamentSize = in.readByte();
    if (in.truncated())
        return false;
    if (loaded.gameType < GAME_CASH || loaded.gameType > GAME_TOURNAMENT)
        return false;
    if (loaded.stakeLevel < 0 || loaded.stakeLevel >= STAKE_LEVELS)
        return false;
    if (loaded.tournamentSize < 0 || loaded.tournamentSize >= TOURNAMENT_SIZES)
        return false;
    if (loaded.avatar < 0 || loaded.avatar > MAX_AVATAR)
        return false;
    *this = loaded;
    return true;
}

bool GameSetup::saveSetup(FileSystem* fileSystem)
{
    return RecordStore::saveObject(STORE_NAME, *this, fileSystem);
}

bool GameSetup::loadSetup(FileSystem* fileSystem)
{
    return RecordStore::loadObject(STORE_NAME, *this, fileSystem);
}

bool GameSetup::saveRecord(const String& storeName, DataOutputStream& out)
{
    return storeName.equals(STORE_NAME) && write(out);
}

bool GameSetup::loadRecord(const String& storeName, DataInputStream& in)
{
    return storeName.equals(STORE_NAME) && read(in);
}
