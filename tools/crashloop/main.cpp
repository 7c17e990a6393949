// SPDX-License-Identifier: GPL-3.0-or-later
// Crash loop: a child process writes day files the way the program does, as fast as it can,
// and is killed (SIGKILL) at a random moment; then every file must still be whole.
//   corvalo_crashloop <folder> <kills> [seed]
// The child rewrites a weight file (4 bytes) and a note whose first line gives its own length
// and checksum, both through FileIo's atomic rewrite, and appends fixed-size numbered records
// through FileIo::append. After each kill the parent checks the weight is 4 bytes of a weight
// the child wrote, the note is one whole version, and the record file is a whole number of
// valid records in order. At the end the temporaries the kills left must all be removed by
// FileIo::removeStaleTemporaries. Exits 1 on any torn file, 2 on bad arguments.
#include "platform/FileIo.h"
#include "store/WeightFile.h"

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t RecordSize = 64;

struct Files
{
    fs::path weight, note, records;
};

std::uint32_t checksum(std::string_view bytes)
{
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (const char c : bytes)
        hash = (hash ^ std::uint8_t(c)) * 16777619u;
    return hash;
}

std::string noteVersion(std::uint64_t n)
{
    // Lengths from a few bytes to well past one page, so a torn write would show.
    std::string body;
    const std::size_t length = 1 + (n * 7919) % 9000;
    for (std::size_t i = 0; i < length; ++i)
        body += char('a' + (n + i * 31) % 26);
    char head[64];
    std::snprintf(head, sizeof head, "note %zu %08x\r\n", body.size(), checksum(body));
    return head + body;
}

bool noteWhole(const std::string &bytes)
{
    std::size_t length = 0;
    unsigned sum = 0;
    int used = 0;
    if (std::sscanf(bytes.c_str(), "note %zu %8x\r\n%n", &length, &sum, &used) != 2 || used <= 0)
        return false;
    const std::string_view body = std::string_view(bytes).substr(std::size_t(used));
    return body.size() == length && checksum(body) == sum;
}

std::string record(std::uint64_t sequence)
{
    char text[RecordSize + 1];
    std::snprintf(text, sizeof text, "rec %012llu ", static_cast<unsigned long long>(sequence));
    std::string bytes(text);
    while (bytes.size() < RecordSize - 10)
        bytes += char('A' + (sequence + bytes.size()) % 26);
    std::snprintf(text, sizeof text, "%08x\r\n", checksum(bytes));
    return bytes + text;
}

[[noreturn]] void writeForever(const Files &files, std::uint64_t start)
{
    for (std::uint64_t n = start;; ++n) {
        // Failures are ignored here: the parent judges the files, not the child's reports.
        (void)FileIo::append(files.records, record(n));
        if (n % 2 == 0)
            (void)WeightFile::Write(files.weight, float(1 + n % 1000));
        else
            (void)FileIo::writeAtomically(files.note, noteVersion(n));
    }
}

// What is torn, or an empty string.
std::string check(const Files &files, std::uint64_t &records)
{
    std::string torn;
    if (fs::exists(files.weight)) {
        const auto bytes = FileIo::readAll(files.weight);
        const auto weight = bytes && bytes->size() == 4 ? WeightFile::Decode(*bytes) : std::nullopt;
        if (!weight || *weight < 1.0f || *weight > 1000.0f || *weight != float(int(*weight)))
            torn += " weight";
    }
    if (fs::exists(files.note)) {
        const auto bytes = FileIo::readAll(files.note);
        if (!bytes || !noteWhole(*bytes))
            torn += " note";
    }
    records = 0;
    if (fs::exists(files.records)) {
        const auto bytes = FileIo::readAll(files.records);
        bool whole = bytes && bytes->size() % RecordSize == 0;
        std::uint64_t previous = 0;
        for (std::size_t at = 0; whole && at < bytes->size(); at += RecordSize) {
            const std::string one = bytes->substr(at, RecordSize);
            unsigned long long sequence = 0;
            whole = std::sscanf(one.c_str(), "rec %llu ", &sequence) == 1 &&
                record(sequence) == one && (at == 0 || sequence == previous + 1);
            previous = sequence;
        }
        if (!whole)
            torn += " records";
        else
            records = bytes->size() / RecordSize;
    }
    return torn;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: corvalo_crashloop <folder> <kills> [seed]\n");
        return 2;
    }
    const fs::path folder = argv[1];
    const int kills = std::atoi(argv[2]);
    const unsigned seed =
        argc > 3 ? unsigned(std::strtoul(argv[3], nullptr, 10)) : std::random_device {}();
    if (kills <= 0)
        return 2;

    std::error_code error;
    fs::create_directories(folder, error);
    const Files files {folder / "12-07-2026.wth", folder / "12-07-2026.txt",
                       folder / "12-07-2026.db"};
    for (const fs::path &path : {files.weight, files.note, files.records})
        fs::remove(path, error);
    (void)FileIo::removeStaleTemporaries(folder);

    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMs(1, 30);
    std::printf("seed %u\n", seed);
    int tornFiles = 0;
    std::uint64_t written = 0;
    for (int kill = 0; kill < kills; ++kill) {
        // Each child carries on numbering where the records end, so a lost or repeated record
        // shows as a gap.
        std::fflush(stdout);
        const pid_t child = ::fork();
        if (child < 0) {
            std::perror("fork");
            return 2;
        }
        if (child == 0)
            writeForever(files, written + 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);

        const std::string torn = check(files, written);
        if (!torn.empty()) {
            ++tornFiles;
            std::printf("kill %d: torn:%s\n", kill + 1, torn.c_str());
            // A torn record file would break every later check; start it again.
            if (torn.find("records") != std::string::npos) {
                fs::remove(files.records, error);
                written = 0;
            }
        }
    }

    int temporaries = 0;
    for (const auto &entry : fs::directory_iterator(folder, error))
        if (entry.path().filename().string().find(".tmp") != std::string::npos)
            ++temporaries;
    const int removed = FileIo::removeStaleTemporaries(folder);
    int left = 0;
    for (const auto &entry : fs::directory_iterator(folder, error))
        if (entry.path().filename().string().find(".tmp") != std::string::npos)
            ++left;

    std::printf("kills %d, records %llu, torn %d, temporaries left by kills %d, removed %d\n",
                kills, static_cast<unsigned long long>(written), tornFiles, temporaries, removed);
    if (left != 0)
        std::printf("temporaries not removed: %d\n", left);
    return tornFiles == 0 && left == 0 ? 0 : 1;
}
