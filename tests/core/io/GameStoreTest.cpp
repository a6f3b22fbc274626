#include "core/io/GameStore.h"

#include "core/io/RecordStore.h"
#include "core/io/StreamBytes.h"
#include "core/io/TempDirectory.h"
#include "host/posix/PosixFileSystem.h"

#include <gtest/gtest.h>

namespace {

class GameStoreTest : public ::testing::Test {
protected:
    TempDirectory dir;
    PosixFileSystem files { dir.path };

    void storeRecords(const std::vector<std::vector<uint8_t>>& records)
    {
        auto store = RecordStore::openRecordStore(GameStore::STORE_NAME, true, &files);
        for (const auto& record : records)
            store->addRecord(arrayOf(record), 0, int32_t(record.size()));
        ASSERT_TRUE(store->closeRecordStore());
    }
};

} // namespace

TEST_F(GameStoreTest, LoadFindsTheFirstRecordOfTheKindWhenInUse)
{
    storeRecords({ {}, { 2, 1, 7 }, { 1, 1, 8 }, { 1, 1, 9 } });
    EXPECT_EQ(bytesOf(GameStore::load(1, &files)), (std::vector<uint8_t> { 1, 1, 8 }));
    EXPECT_EQ(bytesOf(GameStore::load(2, &files)), (std::vector<uint8_t> { 2, 1, 7 }));
    EXPECT_EQ(GameStore::load(3, &files).data, nullptr);
}

TEST_F(GameStoreTest, RecordNotInUseIsAbsentAndEndsTheSearch)
{
    storeRecords({ { 1, 0, 8 }, { 1, 1, 9 } });
    EXPECT_EQ(GameStore::load(1, &files).data, nullptr);
}

TEST_F(GameStoreTest, SaveReplacesTheLastRecordOfTheKindOrAdds)
{
    storeRecords({ { 1, 1, 8 }, {}, { 1, 0, 9 } });
    ASSERT_TRUE(GameStore::save(1, arrayOf({ 0, 0, 5 }), &files));
    auto store = RecordStore::openRecordStore(GameStore::STORE_NAME, false, &files);
    EXPECT_EQ(store->getNumRecords(), 3);
    EXPECT_EQ(bytesOf(store->getRecord(3)), (std::vector<uint8_t> { 1, 1, 5 }));
    EXPECT_EQ(bytesOf(store->getRecord(1)), (std::vector<uint8_t> { 1, 1, 8 }));
    ASSERT_TRUE(GameStore::save(4, arrayOf({ 0, 0 }), &files));
    store = RecordStore::openRecordStore(GameStore::STORE_NAME, false, &files);
    EXPECT_EQ(store->getNumRecords(), 4);
    EXPECT_FALSE(GameStore::save(4, arrayOf({ 0 }), &files)); // no room for the tag
}

TEST_F(GameStoreTest, CorruptStoreIsReportedAbsentAndNotOverwritten)
{
    dir.write("GAME_STORE_DATA.dat", { 9, 0, 0, 0 });
    EXPECT_EQ(GameStore::load(1, &files).data, nullptr);
    EXPECT_FALSE(GameStore::save(1, arrayOf({ 0, 0, 1 }), &files));
    EXPECT_EQ(dir.read("GAME_STORE_DATA.dat"), (std::vector<uint8_t> { 9, 0, 0, 0 }));
}
