#include "core/io/StoreTransaction.h"

#include "core/io/Profile.h"
#include "core/io/TempDirectory.h"
#include "core/runtime/DiagnosticSink.h"
#include "host/posix/FaultyFileSystem.h"
#include "host/posix/PosixFileSystem.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <map>
#include <sys/stat.h>

namespace {

const char* const OPTIONS = "KMRB2Options";
const char* const GAME = "KMRB2Game";
const char* const SETUP = "KMRB2GameInit";

// Record 1 of a saved table, reduced to what the chips need: the human's stack.
struct TableChips : RecordClient {
    int32_t chips = 0;
    bool saveRecord(const String&, DataOutputStream& out) override
    {
        out.writeInt(chips);
        return true;
    }
    bool loadRecord(const String&, DataInputStream& in) override
    {
        chips = in.readInt();
        return !in.truncated();
    }
};

// Every file of the folder with its bytes: one state of the data directory.
using Files = std::map<std::string, std::vector<uint8_t>>;

Files filesIn(const TempDirectory& dir)
{
    Files files;
    for (const std::string& name : dir.entries())
        files[name] = dir.read(name);
    return files;
}

// What a new start reads: the bankroll plus the chips at a saved table.
int64_t chipsOnRecord(FileSystem& files)
{
    Profile profile;
    TableChips table;
    int64_t chips = profile.loadProfile(&files) ? profile.bankroll : -1;
    if (RecordStore::loadObject(GAME, table, &files))
        chips += table.chips;
    return chips;
}

Profile profileWith(int32_t bankroll)
{
    Profile profile;
    profile.playerName = String("Rosa");
    profile.bankroll = bankroll;
    return profile;
}

// The files as a buy-in finds them: a profile and the setup of an earlier game.
void beforeBuyIn(FileSystem& files)
{
    Profile profile = profileWith(1500);
    TableChips setup;
    ASSERT_TRUE(profile.saveProfile(&files));
    ASSERT_TRUE(RecordStore::saveObject(String(SETUP), setup, &files));
}

// One transaction that replaces a store, creates one and removes one, the chips
// moving from the bankroll to the table.
bool buyIn(FileSystem& files)
{
    Profile profile = profileWith(500);
    TableChips table;
    table.chips = 1000;
    StoreTransaction move(&files);
    move.putObject(String(OPTIONS), profile);
    move.putObject(String(GAME), table);
    move.removeStore(String(SETUP));
    return move.commit();
}

} // namespace

// The process dies before each step that changes a file in turn; the next start
// (recover and sweep, then load) finds every store as it was or every store as the
// transaction left it, the chips whole, and no journal or temporary file.
TEST(StoreTransactionTest, KillAtEveryStepLeavesAllOldOrAllNew)
{
    Files oldFiles, newFiles;
    int32_t steps = 0;
    {
        TempDirectory dir;
        PosixFileSystem files(dir.path);
        beforeBuyIn(files);
        oldFiles = filesIn(dir);
        FaultyFileSystem counting(files);
        counting.stopAtStep(0);
        ASSERT_TRUE(buyIn(counting));
        steps = counting.stepsTaken();
        newFiles = filesIn(dir);
    }
    ASSERT_NE(oldFiles, newFiles);
    int32_t oldSeen = 0, newSeen = 0;
    for (int32_t k = 1; k <= steps + 1; ++k) {
        SCOPED_TRACE("killed before step " + std::to_string(k));
        TempDirectory dir;
        {
            PosixFileSystem files(dir.path);
            beforeBuyIn(files);
            FaultyFileSystem dying(files);
            dying.stopAtStep(k);
            EXPECT_TRUE(buyIn(dying) || k <= steps);
            EXPECT_EQ(dying.stopped(), k <= steps);
        }
        PosixFileSystem restarted(dir.path);
        StoreTransaction::recoverAtStart(&restarted);
        Files after = filesIn(dir);
        EXPECT_TRUE(after == oldFiles || after == newFiles);
        EXPECT_EQ(chipsOnRecord(restarted), 1500);
        oldSeen += after == oldFiles;
        newSeen += after == newFiles;
    }
    // The journal's rename is the one step that decides.
    EXPECT_GT(oldSeen, 0);
    EXPECT_GT(newSeen, 1);
    EXPECT_EQ(oldSeen + newSeen, steps + 1);
}

// A commit that could not finish in this run (its journal is in place) is finished
// by the next commit before that one's own changes, never undone or skipped. One
// that cannot start changes nothing.
TEST(StoreTransactionTest, UnfinishedCommitIsFinishedFirstAndARefusedOneChangesNothing) {
    TempDirectory dir;
    PosixFileSystem files(dir.path);
    FaultyFileSystem dying(files);
    TableChips table;
    table.chips = 300;
    StoreTransaction first(&dying);
    first.putObject(String(GAME), table);
    first.removeStore(String(SETUP));
    // Two checks, the journal (start, write, sync, rename), then the store's
    // replacement stops at its write.
    dying.stopAtStep(8);
    EXPECT_FALSE(first.commit());
    EXPECT_TRUE(dir.exists(StoreTransaction::JOURNAL_FILE));
    EXPECT_FALSE(dir.exists("KMRB2Game_DATA.dat"));

    dying.stopAtStep(0);
    Profile profile = profileWith(700);
    StoreTransaction second(&dying);
    second.putObject(String(OPTIONS), profile);
    EXPECT_TRUE(second.commit());
    EXPECT_EQ(chipsOnRecord(files), 1000);
    EXPECT_FALSE(dir.exists(StoreTransaction::JOURNAL_FILE));

    // A layer that refuses to replace a store, and a staging that fails, spoil the
    // whole transaction: nothing is written.
    Files settled = filesIn(dir);
    dying.arm(FaultyFileSystem::Fault::OpenForReplace);
    StoreTransaction refused(&dying);
    refused.putObject(String(OPTIONS), profile);
    EXPECT_FALSE(refused.commit());
    dying.disarm();
    EXPECT_EQ(filesIn(dir), settled);

    struct Refusing : RecordClient {
        bool saveRecord(const String&, DataOutputStream&) override { return false; }
        bool loadRecord(const String&, DataInputStream&) override { return false; }
    } refusing;
    StoreTransaction spoiled(&files);
    EXPECT_TRUE(spoiled.removeStore(String(GAME)));
    EXPECT_FALSE(spoiled.putObject(String(OPTIONS), refusing));
    EXPECT_FALSE(spoiled.commit());
    EXPECT_EQ(filesIn(dir), settled);
}

// A journal that is damaged, cut short or names a file that is not a store is
// removed with a diagnostic line; the stores and other files stay as they are.
TEST(StoreTransactionTest, UnreadableJournalIsDroppedAndTouchesNothing)
{
    TempDirectory dir;
    PosixFileSystem files(dir.path);
    TableChips table;
    table.chips = 1000;
    Profile profile = profileWith(0);
    ASSERT_TRUE(RecordStore::saveObject(String(GAME), table, &files));
    ASSERT_TRUE(profile.saveProfile(&files));
    dir.write("frame-size", { '2', '4', '0' });

    StoreTransaction move(&files);
    move.removeStore(String(GAME));
    ByteArray journal = move.journalBytes();
    std::vector<uint8_t> valid(journal.data, journal.data + journal.length);

    // The same change aimed at "frame-size", with a checksum that matches it.
    std::vector<uint8_t> foreign(valid.begin(), valid.begin() + 13);
    const std::string target = "frame-size";
    for (int shift = 0; shift < 32; shift += 8)
        foreign.push_back(uint8_t(target.size() >> shift));
    foreign.insert(foreign.end(), target.begin(), target.end());
    uLong crc = crc32(0, foreign.data(), uInt(foreign.size()));
    for (int shift = 0; shift < 32; shift += 8)
        foreign.push_back(uint8_t(crc >> shift));

    std::vector<uint8_t> flipped = valid;
    flipped[flipped.size() / 2] ^= 0x20;
    std::vector<uint8_t> cut(valid.begin(), valid.end() - 5);
    const std::vector<std::vector<uint8_t>> broken = { {}, cut, flipped, foreign, { 'K', 'M', 'T', 'J' } };

    FILE* lines = std::tmpfile();
    FILE* previous = DiagnosticSink::useStream(lines);
    for (const std::vector<uint8_t>& bytes : broken) {
        dir.write(StoreTransaction::JOURNAL_FILE, bytes);
        EXPECT_EQ(StoreTransaction::recoverAtStart(&files), StoreTransaction::Recovery::Dropped);
        EXPECT_FALSE(dir.exists(StoreTransaction::JOURNAL_FILE));
        EXPECT_EQ(chipsOnRecord(files), 1000);
        EXPECT_EQ(dir.read("frame-size").size(), 3u);
    }
    DiagnosticSink::flush();
    DiagnosticSink::useStream(previous);
    std::rewind(lines);
    int count = 0;
    char line[256];
    while (std::fgets(line, sizeof line, lines))
        count += std::string(line).find("[StoreTransaction] KMRB2Journal.dat is unreadable") == 0;
    std::fclose(lines);
    EXPECT_EQ(count, int(broken.size()));

    // The valid journal itself, as a crash after its rename leaves it: rolled forward.
    dir.write(StoreTransaction::JOURNAL_FILE, valid);
    EXPECT_EQ(StoreTransaction::recoverAtStart(&files), StoreTransaction::Recovery::RolledForward);
    EXPECT_FALSE(dir.exists("KMRB2Game_DATA.dat"));
    EXPECT_EQ(chipsOnRecord(files), 0);
    EXPECT_EQ(StoreTransaction::recoverAtStart(&files), StoreTransaction::Recovery::Nothing);
}

// The start-up sweep removes the temporary files that replacements of our stores
// and of the journal leave when the process dies, and nothing else.
TEST(StoreTransactionTest, SweepRemovesOnlyOurLeftoverTemporaries)
{
    TempDirectory dir;
    const std::vector<std::string> ours = { ".KMRB2Options_DATA.dat.AbC123", ".GAME_STORE_DATA.dat.000000",
                                            ".KMRB2Journal.dat.x1Y2z3", ".Other_DATA.dat.abcdef" };
    const std::vector<std::string> others = { "KMRB2Options_DATA.dat", ".KMRB2Options_DATA.dat.abc12",
                                              ".KMRB2Options_DATA.dat.ab-123", ".frame-size.abc123",
                                              "._DATA.dat.abcdef", ".KMRB2Options_DATA.dat", "notes.txt",
                                              "KMRB2Options_DATA.dat.abc123" };
    for (const std::string& name : ours)
        dir.write(name, { 1 });
    for (const std::string& name : others)
        dir.write(name, { 2 });
    ASSERT_EQ(mkdir(dir.file(".Dir_DATA.dat.abcdef").c_str(), 0700), 0);

    PosixFileSystem files(dir.path);
    FaultyFileSystem wrapped(files);
    EXPECT_EQ(StoreTransaction::removeLeftovers(&wrapped), int32_t(ours.size()));
    std::vector<std::string> left = dir.entries();
    std::sort(left.begin(), left.end());
    std::vector<std::string> expected = others;
    expected.push_back(".Dir_DATA.dat.abcdef");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
    EXPECT_EQ(StoreTransaction::removeLeftovers(&files), 0);
}
