#pragma once

#include "core/io/FileSystem.h"
#include "core/io/RecordClient.h"
#include "core/io/RecordStore.h"
#include "core/runtime/Array.h"
#include "core/runtime/String.h"

#include <cstdint>
#include <string>
#include <vector>

// A change to several record stores that a crash cannot split: chips that leave the
// bankroll in one store and arrive at a saved table in another are on record in
// exactly one of the two, whatever moment the process dies at.
//
// Each store file is already replaced atomically; what this adds is the order
// across files. commit() does, in this order:
//   0. checks that the file layer lets every store be replaced (a replacement is
//      started and thrown away), and gives up, changing nothing, when one is refused;
//   1. writes the journal, JOURNAL_FILE, holding every change (a store's whole new
//      file, or its removal), atomically: temporary file, sync, rename;
//   2. applies the changes in the order they were staged, each store replaced
//      atomically (temporary file, sync, rename) or its file removed;
//   3. removes the journal.
// What the files read as after a crash at each point:
//   - in 0, or before the journal's rename: no store has changed and no journal is there;
//     the old state (a temporary file may be left, which the start-up sweep removes);
//   - after the journal's rename, anywhere in 2 or 3: the journal is complete, so
//     recover() at the next start applies every change again (applying one twice
//     gives the same file) and removes the journal; the new state.
// So every crash reads, once recover() has run, as all old or all new. recover()
// must run at start-up before anything reads the stores; recoverAtStart() does
// that and also sweeps the temporary files crashes leave.
//
// Journal layout, integers 32-bit little endian as in the store files:
//   0  4  magic "KMTJ"
//   4  4  layout version (1)
//   8  4  change count N
//  12  …  N changes, each: kind (1 byte: 1 replace, 2 remove), file name length
//         (4), file name bytes (a store's file, "..._DATA.dat"), and for a
//         replacement the file's length (4) and bytes
//  end 4  CRC-32 (IEEE 802.3, as zlib's crc32) of every byte before it
// A journal that fails any check is unreadable: recover() removes it and prints a
// diagnostic line; the stores are then read as they are.
class StoreTransaction {
public:
    static constexpr const char* JOURNAL_FILE = "KMRB2Journal.dat";
    static constexpr uint32_t JOURNAL_VERSION = 1;

    enum class Recovery {
        Nothing,       // no journal
        RolledForward, // a complete journal was applied and removed
        Dropped,       // an unreadable journal was removed
        Failed,        // a journal could not be applied; it is kept for the next try
    };

    // Uses the process file layer unless given another.
    explicit StoreTransaction(FileSystem* fileSystem = nullptr);

    // Stages the store's whole file as it stands in memory.
    bool putStore(const RecordStore& store);
    // Stages record 1 of the store as the client writes it, the store's other
    // records kept: the file RecordStore::saveObject would write. Fails, staging
    // nothing, when the client refuses or the store's file is there but unreadable.
    bool putObject(const String& storeName, RecordClient& client);
    // Stages the removal of the store's file (a missing file counts as removed).
    bool removeStore(const String& storeName);
    // A later change to the same store takes the place of the earlier one. After any
    // staging failed, commit() refuses and writes nothing.

    // True when every change is in place. False when nothing changed (a staging,
    // the check of step 0 or the journal failed), or when the journal is written but a change could not be
    // applied: the journal then stays, and the next commit or start finishes it.
    bool commit();

    int32_t changeCount() const { return int32_t(changes.size()); }

    // Applies a journal left by a commit that did not finish.
    static Recovery recover(FileSystem* fileSystem = nullptr);
    // Removes the temporary files of our stores and of the journal that crashes
    // left behind, and no other file; the number removed.
    static int32_t removeLeftovers(FileSystem* fileSystem = nullptr);
    // What the game's start runs before anything reads a store: recover, then
    // removeLeftovers.
    static Recovery recoverAtStart(FileSystem* fileSystem = nullptr);

    // Whether a file name is one of ours: a store file ("<name>_DATA.dat") or the journal.
    static bool isOurFile(const char* fileName);

    // The journal's bytes for the staged changes.
    ByteArray journalBytes() const;

private:
    struct Change {
        std::string fileName;
        bool remove = false;
        ByteArray bytes;
    };

    bool stage(Change change);
    static bool apply(FileSystem& files, const std::vector<Change>& changes);
    static bool parseJournal(const uint8_t* bytes, int32_t n, std::vector<Change>& changes);
    static bool writeWhole(FileSystem& files, const char* fileName, const ByteArray& bytes);

    FileSystem* fileSystem;
    std::vector<Change> changes;
    bool failed = false;
};
