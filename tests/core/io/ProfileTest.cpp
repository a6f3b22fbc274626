#include "core/io/Profile.h"

#include "core/io/ByteArrayOutputStream.h"
#include "core/io/RecordStore.h"
#include "core/io/StreamBytes.h"
#include "core/io/TempDirectory.h"
#include "host/posix/PosixFileSystem.h"

#include <gtest/gtest.h>

namespace {

class ProfileTest : public ::testing::Test {
protected:
    TempDirectory dir;
    PosixFileSystem files { dir.path };
};

std::vector<uint8_t> recordOf(const Profile& profile)
{
    ByteArrayOutputStream bytes;
    DataOutputStream out(&bytes);
    EXPECT_TRUE(profile.write(out));
    return bytesOf(bytes.toByteArray());
}

bool readInto(Profile& profile, const std::vector<uint8_t>& record)
{
    ByteArrayInputStream source(arrayOf(record));
    DataInputStream in(&source);
    return profile.read(in);
}

} // namespace

TEST_F(ProfileTest, DefaultRecordLayout)
{
    Profile profile;
    std::vector<uint8_t> expected = { 6, 0, 0, 0, 1, ' ', 0, 0, 0x03, 0xE8, 0, 0, 0x03, 0xE8 };
    for (int i = 0; i < Profile::NAME_COUNT; ++i) {
        expected.push_back(0);
        expected.push_back(0);
    }
    for (uint8_t b : std::vector<uint8_t> { 0, 0, 0, 0, 0, 6, 'P', 'l', 'a', 'y', 'e', 'r', 0, 0, 0, 0 })
        expected.push_back(b);
    EXPECT_EQ(recordOf(profile), expected);
}

TEST_F(ProfileTest, SavedProfileLoadsBackExceptTheHandStartChips)
{
    const String names[Profile::NAME_COUNT] = { "Ann", "Bo", "Cy", "Di", "Ed", "Flo", "Gus", "Hal", "Ivy", "Jo" };
    Profile saved;
    saved.resetProfile(names, Profile::NAME_COUNT);
    saved.avatar = 3;
    saved.flagB = true;
    saved.setupName = String(u"Zo\u00EB");
    saved.bankroll = -250;
    saved.tourneyBankroll = 123456789;
    saved.counter = 17;
    saved.playerName = String("Marguerite");
    saved.handStartChips = 5000;
    ASSERT_TRUE(saved.saveProfile(&files));

    Profile loaded;
    ASSERT_TRUE(loaded.loadProfile(&files));
    EXPECT_EQ(loaded.avatar, 3);
    EXPECT_FALSE(loaded.flagA);
    EXPECT_TRUE(loaded.flagB);
    EXPECT_EQ(loaded.setupName.charAt(2), u'\u00EB');
    EXPECT_EQ(loaded.bankroll, -250);
    EXPECT_EQ(loaded.tourneyBankroll, 123456789);
    EXPECT_TRUE(loaded.names[9].equals(String("Jo")));
    EXPECT_EQ(loaded.counter, 17);
    EXPECT_TRUE(loaded.playerName.equals(String("Marguerite")));
    EXPECT_EQ(loaded.handStartChips, 0);
    // Saved twice: still one record, id 1.
    ASSERT_TRUE(saved.saveProfile(&files));
    auto store = RecordStore::openRecordStore(Profile::STORE_NAME, false, &files);
    EXPECT_EQ(store->getNumRecords(), 1);
    EXPECT_NE(store->getRecord(1).data, nullptr);
}

TEST_F(ProfileTest, BankrollAdditionsStopAtTheLargestAmount)
{
    Profile profile;
    profile.bankroll = INT32_MAX - 100;
    profile.addToBankroll(60); // a table's chips
    EXPECT_EQ(profile.bankroll, INT32_MAX - 40);
    profile.addToBankroll(6000000); // a prize of 60 top-stake buy-ins
    EXPECT_EQ(profile.bankroll, INT32_MAX);
    profile.addToBankroll(int64_t(INT32_MAX) * 4);
    EXPECT_EQ(profile.bankroll, INT32_MAX);
}

TEST_F(ProfileTest, UnusableRecordsChangeNothing)
{
    Profile original;
    original.avatar = 2;
    std::vector<uint8_t> good = recordOf(original);

    Profile target;
    target.bankroll = 77;
    std::vector<uint8_t> cut(good.begin(), good.end() - 5); // player name cut short
    EXPECT_FALSE(readInto(target, cut));
    std::vector<uint8_t> badAvatar = good;
    badAvatar[0] = 0xFF;
    EXPECT_FALSE(readInto(target, badAvatar));
    EXPECT_EQ(target.bankroll, 77);
    EXPECT_EQ(target.avatar, Profile::DEFAULT_AVATAR);
    // Without the hand-start chips the record is still complete.
    std::vector<uint8_t> short4(good.begin(), good.end() - 4);
    EXPECT_TRUE(readInto(target, short4));
    EXPECT_EQ(target.avatar, 2);
    // No store at all: nothing changes, and loading never creates it.
    EXPECT_FALSE(target.loadProfile(&files));
    EXPECT_EQ(target.avatar, 2);
    EXPECT_FALSE(dir.exists("KMRB2Options_DATA.dat"));
}
