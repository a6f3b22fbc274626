#include "HistoryOutput.h"

#include "ToolError.h"

#include "ui/Events.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <chrono>
#include <cstring>
#include <fstream>

namespace {

// The number after marker in line, -1 when line has none.
int64_t numberAfter(const std::string& line, const char* marker)
{
    size_t at = line.find(marker);
    if (at == std::string::npos)
        return -1;
    int64_t n = 0;
    bool digits = false;
    for (size_t i = at + std::strlen(marker); i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
        if (n > (INT64_MAX - 9) / 10)
            return -1;
        n = n * 10 + (line[i] - '0');
        digits = true;
    }
    return digits ? n : -1;
}

} // namespace

HistoryOutput::HistoryOutput(const std::string& filePath, bool tournament)
    : path(filePath)
{
    int64_t lastHand = 0;
    int64_t lastTournament = 0;
    std::string tail;
    {
        std::ifstream existing(path, std::ios::binary);
        std::string line;
        while (std::getline(existing, line)) {
            if (line.compare(0, 17, "PokerStars Hand #") != 0)
                continue;
            lastHand = std::max(lastHand, numberAfter(line, "PokerStars Hand #"));
            lastTournament = std::max(lastTournament, numberAfter(line, "Tournament #"));
        }
        if (existing.bad())
            throw ToolError("cannot read " + path + ": " + std::strerror(errno));
        existing.clear();
        existing.seekg(0, std::ios::end);
        std::streamoff size = existing.tellg();
        if (size > 0) {
            std::streamoff from = size >= 2 ? size - 2 : 0;
            existing.seekg(from);
            tail.resize(size_t(size - from));
            existing.read(&tail[0], std::streamsize(tail.size()));
        }
    }
    file = std::fopen(path.c_str(), "ab");
    if (!file)
        throw ToolError("cannot open " + path + " for appending: " + std::strerror(errno));
    // Whatever the file held, our first hand starts after a blank line.
    if (!tail.empty() && tail != "\n\n")
        write(tail.back() == '\n' ? "\n" : "\n\n");
    nextHand = lastHand + 1;
    if (tournament) {
        writer.tournament = lastTournament + 1;
        writer.tableName = std::to_string(writer.tournament) + " 1";
    }
    clockMillis = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::system_clock::now().time_since_epoch())
                      .count();
}

HistoryOutput::~HistoryOutput()
{
    if (file)
        std::fclose(file);
}

void HistoryOutput::write(const std::string& text)
{
    if (std::fwrite(text.data(), 1, text.size(), file) != text.size())
        failed = true;
}

void HistoryOutput::afterFrame(const PokerTable& table)
{
    clockMillis += FRAME_INTERVAL_MS;
    writer.observe(table, clockMillis);
    if (!writer.handReady())
        return;
    write(writer.takeHand(nextHand++));
    ++handsWritten;
}

void HistoryOutput::close()
{
    if (!file)
        return;
    bool flushed = std::fflush(file) == 0;
    bool closed = std::fclose(file) == 0;
    file = nullptr;
    if (failed || !flushed || !closed)
        throw ToolError("cannot write " + path + ": " + std::strerror(errno));
}
