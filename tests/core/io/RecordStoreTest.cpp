#include "core/io/RecordStore.h"

#include "core/io/GameStore.h"
#include "core/io/Settings.h"
#include "core/io/StreamBytes.h"
#include "core/io/TempDirectory.h"
#include "host/posix/FaultyFileSystem.h"
#include "host/posix/PosixFileSystem.h"

#include <gtest/gtest.h>

namespace {

class RecordStoreTest : public ::testing::Test {
protected:
    TempDirectory dir;
    PosixFileSystem files { dir.path };

    SharedPointer<RecordStore> open(const char* name, bool create = true)
    {
        return RecordStore::openRecordStore(name, create, &files);
    }
};

const std::vector<uint8_t> ONE_RECORD_FILE = { 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0, 'a', 'b', 'c' };

} // namespace

// A new store's file appears in one step, whole, on its first change; a load that
// changes nothing (the settings lookup at start-up) writes no file at all.
TEST_F(RecordStoreTest, NewStoreIsWrittenWholeOnItsFirstChangeOnly)
{
    auto store = open("Empty");
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->getNumRecords(), 0);
    EXPECT_TRUE(store->closeRecordStore()); // clean: nothing written
    EXPECT_TRUE(dir.entries().empty());
    EXPECT_EQ(open("Empty", /*create=*/false), nullptr);

    FaultyFileSystem counting(files);
    counting.stopAtStep(0);
    store = RecordStore::openRecordStore("Empty", /*createIfMissing=*/true, &counting);
    EXPECT_EQ(counting.stepsTaken(), 0);
    store->addRecord(arrayOf({ 'a', 'b', 'c' }), 0, 3);
    EXPECT_TRUE(store->closeRecordStore());
    EXPECT_EQ(counting.stepsTaken(), 4); // start, one write, sync, rename
    EXPECT_EQ(dir.entries(), (std::vector<std::string> { "Empty_DATA.dat" }));
    EXPECT_EQ(dir.read("Empty_DATA.dat").size(), 19u);

    // The settings lookup at start-up opens GAME_STORE and commits without a change.
    TempDirectory fresh;
    PosixFileSystem freshFiles(fresh.path);
    EXPECT_FALSE(GameStore::load(Settings::RECORD_KIND, &freshFiles).data);
    EXPECT_TRUE(fresh.entries().empty());
}

TEST_F(RecordStoreTest, OneRecordStoreIsTheNineteenByteFile)
{
    auto store = open("One");
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->addRecord(arrayOf({ 'x', 'a', 'b', 'c', 'y' }), 1, 3), 1);
    EXPECT_TRUE(store->isDirty());
    ASSERT_TRUE(store->closeRecordStore());
    EXPECT_FALSE(store->isDirty());
    EXPECT_EQ(dir.read("One_DATA.dat"), ONE_RECORD_FILE);
    // Nothing but the store file is left in the directory: no temporary files.
    EXPECT_EQ(dir.entries(), (std::vector<std::string> { "One_DATA.dat" }));
}

TEST_F(RecordStoreTest, ByteImageOfAnEmptyStoreCarriesNextRecordId)
{
    auto parsed = RecordStore::fromBytes("X", nullptr, 0);
    ASSERT_NE(parsed, nullptr);
    EXPECT_EQ(bytesOf(parsed->toBytes()), (std::vector<uint8_t> { 0, 0, 0, 0, 0, 0, 0, 0 }));
    std::vector<uint8_t> image = { 0, 0, 0, 0, 0x2A, 1, 0, 0 };
    auto reopened = RecordStore::fromBytes("X", image.data(), int32_t(image.size()));
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->getNextRecordId(), 0x12A);
    EXPECT_EQ(bytesOf(reopened->toBytes()), image);
    EXPECT_EQ(reopened->addRecord(arrayOf({ 1 }), 0, 1), 0x12B); // an emptied store continues its ids
}

TEST_F(RecordStoreTest, IdsContinueFromTheStoredNextRecordIdAfterReopening)
{
    auto store = open("Ids");
    EXPECT_EQ(store->addRecord(arrayOf({ 1 }), 0, 1), 1);
    EXPECT_EQ(store->addRecord(arrayOf({ 2 }), 0, 1), 2);
    ASSERT_TRUE(store->closeRecordStore());
    store.release();

    auto reopened = open("Ids", false);
    ASSERT_NE(reopened, nullptr);
    EXPECT_FALSE(reopened->isDirty());
    EXPECT_EQ(reopened->getNumRecords(), 2);
    EXPECT_EQ(reopened->addRecord(arrayOf({ 3 }), 0, 1), 3);
    EXPECT_EQ(bytesOf(reopened->getRecord(2)), (std::vector<uint8_t> { 2 }));
}

TEST_F(RecordStoreTest, GetRecordSharesStorageUntilSetRecordReplacesIt)
{
    auto store = open("Shared");
    ByteArray original = arrayOf({ 5, 6 });
    store->addRecord(original, 0, 2);
    original[0] = 99; // the store took a copy
    ByteArray got = store->getRecord(1);
    EXPECT_EQ(got[0], 5);
    got[0] = 42;
    EXPECT_EQ(store->getRecord(1)[0], 42);
    SharedPointer<RecordEnumeration> walk = store->enumerateRecords();
    EXPECT_EQ(walk->nextRecord()[0], 42);
    EXPECT_TRUE(store->setRecord(1, arrayOf({ 7 }), 0, 1));
    EXPECT_EQ(got[0], 42);
    EXPECT_EQ(store->getRecord(1)[0], 7);
    EXPECT_FALSE(store->setRecord(2, arrayOf({ 7 }), 0, 1));
    EXPECT_EQ(store->getRecord(2).data, nullptr);
    EXPECT_EQ(store->addRecord(arrayOf({ 1 }), 0, 2), -1); // range outside the array
}

TEST_F(RecordStoreTest, EnumerationSeesTheStoreAsItChanges)
{
    auto store = open("Walk");
    store->addRecord(arrayOf({ 1 }), 0, 1);
    SharedPointer<RecordEnumeration> walk = store->enumerateRecords();
    EXPECT_EQ(walk->nextRecordId(), 1);
    EXPECT_FALSE(walk->hasNextElement());
    store->addRecord(arrayOf({ 2 }), 0, 1);
    EXPECT_TRUE(walk->hasNextElement());
    EXPECT_EQ(walk->nextRecordId(), 2);
    EXPECT_EQ(walk->nextRecordId(), -1);
    EXPECT_EQ(walk->nextRecord().data, nullptr);
}

TEST_F(RecordStoreTest, OpensThatMustFailAndDeleteRemovesTheFile)
{
    EXPECT_EQ(open("Nothing", false), nullptr);
    EXPECT_EQ(open("../escape"), nullptr); // names never leave the data directory
    EXPECT_EQ(open("sub/dir"), nullptr);
    EXPECT_EQ(dir.entries().size(), 0u);
    FileSystem* before = processFileSystem();
    setProcessFileSystem(nullptr); // no file layer at all
    EXPECT_EQ(RecordStore::openRecordStore("Any", true), nullptr);
    setProcessFileSystem(before);

    dir.write("Gone_DATA.dat", ONE_RECORD_FILE);
    EXPECT_TRUE(RecordStore::deleteRecordStore("Gone", &files));
    EXPECT_FALSE(dir.exists("Gone_DATA.dat"));
    EXPECT_FALSE(RecordStore::deleteRecordStore("Gone", &files));
}

TEST_F(RecordStoreTest, TruncatedAndHostileFilesFailTheOpen)
{
    const std::vector<std::vector<uint8_t>> bad = {
        { 1, 0, 0 },                                   // count cut short
        { 1, 0, 0, 0, 1, 0 },                          // nextRecordId cut short
        { 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 3, 0 },  // length cut short
        { 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0, 'a' }, // data cut short
        { 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0 },        // negative count
        { 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF }, // 4 GB length
        { 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0x80 }, // negative length
    };
    for (size_t i = 0; i < bad.size(); ++i) {
        EXPECT_EQ(RecordStore::fromBytes("Bad", bad[i].data(), int32_t(bad[i].size())), nullptr) << i;
        dir.write("Bad_DATA.dat", bad[i]);
        EXPECT_EQ(open("Bad"), nullptr) << i;
        // A failed open never replaces the file it could not read.
        EXPECT_EQ(dir.read("Bad_DATA.dat"), bad[i]) << i;
    }
}

// Entries whose id cannot be read are skipped: a store cut after an entry keeps
// every complete entry before the cut, whatever count its header claims; bytes
// beyond the counted entries are not records.
TEST_F(RecordStoreTest, StoreCutInsideItsEntriesKeepsTheCompleteOnes)
{
    const std::vector<uint8_t> abc = { 1, 0, 0, 0, 3, 0, 0, 0, 'a', 'b', 'c' };
    const std::vector<uint8_t> de = { 2, 0, 0, 0, 2, 0, 0, 0, 'd', 'e' };
    auto image = [&](std::vector<uint8_t> header, std::vector<std::vector<uint8_t>> entries) {
        for (const auto& entry : entries)
            header.insert(header.end(), entry.begin(), entry.end());
        return header;
    };
    struct Case {
        std::vector<uint8_t> bytes;
        int32_t records;
    };
    const Case cases[] = {
        { image({ 2, 0, 0, 0, 2, 0, 0, 0 }, { abc }), 1 },                  // cut after the first of two
        { image({ 0xE8, 3, 0, 0, 2, 0, 0, 0 }, { abc, { 2, 0 } }), 1 },      // first of 1000, half an id
        { image({ 0xFF, 0xFF, 0xFF, 0x7F, 2, 0, 0, 0 }, { abc, de }), 2 },   // 2^31-1 claimed, two there
        { image({ 0xFF, 0xFF, 0xFF, 0x7F, 2, 0, 0, 0 }, {}), 0 },            // and none there
        { image({ 1, 0, 0, 0, 2, 0, 0, 0 }, { abc, de }), 1 },               // the count still rules
    };
    for (const Case& c : cases) {
        auto parsed = RecordStore::fromBytes("Cut", c.bytes.data(), int32_t(c.bytes.size()));
        ASSERT_NE(parsed, nullptr) << c.records;
        EXPECT_EQ(parsed->getNumRecords(), c.records);
        EXPECT_EQ(parsed->getNextRecordId(), 2);

        dir.write("Cut_DATA.dat", c.bytes);
        auto store = open("Cut", false);
        ASSERT_NE(store, nullptr) << c.records;
        ASSERT_EQ(store->getNumRecords(), c.records);
        if (c.records > 0) {
            EXPECT_EQ(bytesOf(store->getRecord(1)), (std::vector<uint8_t> { 'a', 'b', 'c' }));
        }
        if (c.records > 1) {
            EXPECT_EQ(bytesOf(store->getRecord(2)), (std::vector<uint8_t> { 'd', 'e' }));
        }
        EXPECT_FALSE(store->isDirty());
        // The next commit writes the store whole, with the count it really holds.
        EXPECT_EQ(store->addRecord(arrayOf({ 'z' }), 0, 1), 3);
        ASSERT_TRUE(store->closeRecordStore());
        std::vector<uint8_t> written = dir.read("Cut_DATA.dat");
        ASSERT_GE(written.size(), 4u);
        EXPECT_EQ(written[0], c.records + 1);
    }
}

// Crash safety: every way a rewrite can fail leaves the previous file complete,
// reports false, and leaves no temporary file behind.
TEST_F(RecordStoreTest, FailedRewriteLeavesThePreviousFileReadableAndComplete)
{
    dir.write("Safe_DATA.dat", ONE_RECORD_FILE);
    FaultyFileSystem faulty(files);
    struct Case {
        FaultyFileSystem::Fault fault;
        int64_t bytesBeforeFailure;
    };
    const Case cases[] = {
        { FaultyFileSystem::Fault::Write, 0 },
        { FaultyFileSystem::Fault::Write, 12 }, // half of the new image reaches the disk
        { FaultyFileSystem::Fault::Sync, 0 },
        { FaultyFileSystem::Fault::Replace, 0 },
        { FaultyFileSystem::Fault::OpenForReplace, 0 },
    };
    for (const Case& c : cases) {
        auto store = RecordStore::openRecordStore("Safe", false, &faulty);
        ASSERT_NE(store, nullptr);
        ByteArray bigger(20);
        store->addRecord(bigger, 0, 20);
        faulty.arm(c.fault, c.bytesBeforeFailure);
        int32_t firedBefore = faulty.faultsFired();
        EXPECT_FALSE(store->closeRecordStore());
        EXPECT_GT(faulty.faultsFired(), firedBefore);
        EXPECT_TRUE(store->isDirty()); // still holds the unsaved change
        faulty.disarm();
        EXPECT_EQ(dir.read("Safe_DATA.dat"), ONE_RECORD_FILE);
        EXPECT_EQ(dir.entries(), (std::vector<std::string> { "Safe_DATA.dat" }));
        auto reread = RecordStore::openRecordStore("Safe", false, &files);
        ASSERT_NE(reread, nullptr);
        EXPECT_EQ(reread->getNumRecords(), 1);
    }
    // Once the medium works again the same store object commits.
    auto store = RecordStore::openRecordStore("Safe", false, &faulty);
    store->addRecord(arrayOf({ 4 }), 0, 1);
    EXPECT_TRUE(store->closeRecordStore());
    EXPECT_EQ(dir.read("Safe_DATA.dat").size(), 19u + 9u);
}
