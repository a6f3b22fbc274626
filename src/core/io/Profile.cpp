#include "core/io/Profile.h"

#include "core/io/RecordStore.h"

#include <algorithm>

Profile::Profile()
{
    resetProfile(nullptr, 0);
}

void Profile::resetProfile(const String* defaultNames, int32_t count)
{
    avatar = DEFAULT_AVATAR;
    flagA = false;
    flagB = false;
    setupName = String(" ");
    bankroll = DEFAULT_BANKROLL;
    tourneyBankroll = DEFAULT_BANKROLL;
    for (int32_t i = 0; i < NAME_COUNT; ++i)
        names[i] = defaultNames && i < count ? defaultNames[i] : String("");
    counter = 0;
    playerName = String("Player");
    handStartChips = 0;
}

void Profile::addToBankroll(int64_t chips)
{
    if (chips <= 0)
        return;
    bankroll = int32_t(std::min<int64_t>(int64_t(bankroll) + chips, INT32_MAX));
}

bool Profile::write(DataOutputStream& out) const
{
    out.writeByte(avatar);
    out.writeBoolean(flagA);
    out.writeBoolean(flagB);
    if (!out.writeUTF(setupName))
        return false;
    out.writeInt(bankroll);
    out.writeInt(tourneyBankroll);
    for (const String& name : names) {
        if (!out.writeUTF(name))
            return false;
    }
    out.writeInt(counter);
    if (!out.writeUTF(playerName))
        return false;
    out.writeInt(handStartChips);
    return true;
}

bool Profile::read(DataInputStream& in)
{
    Profile loaded;
    loaded.avatar = in.readByte();
    loaded.flagA = in.readBoolean();
    loaded.flagB = in.readBoolean();
    loaded.setupName = in.readUTF();
    loaded.bankroll = in.readInt();
    loaded.tourneyBankroll = in.readInt();
    for (String& name : loaded.names)
        name = in.readUTF();
    loaded.counter = in.readInt();
    loaded.playerName = in.readUTF();
    if (in.truncated() || loaded.avatar < 0 || loaded.avatar > MAX_AVATAR)
        return false;
    loaded.handStartChips = 0;
    *this = loaded;
    return true;
}

bool Profile::saveProfile(FileSystem* fileSystem)
{
    return RecordStore::saveObject(STORE_NAME, *this, fileSystem);
}

bool Profile::loadProfile(FileSystem* fileSystem)
{
    return RecordStore::loadObject(STORE_NAME, *this, fileSystem);
}

bool Profile::saveRecord(const String& storeName, DataOutputStream& out)
{
    return storeName.equals(STORE_NAME) && write(out);
}

bool Profile::loadRecord(const String& storeName, DataInputStream& in)
{
    return storeName.equals(STORE_NAME) && read(in);
}
