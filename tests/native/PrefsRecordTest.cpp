// A preference record written at shut-down and read at the next start-up is
// the same record, byte for byte, for random records: every field, the
// bytes between them and the message's bytes after its terminator. Each
// host session runs in a child process, as the preference file is the
// process's own from its first start-up.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "StandInFileFaults.h"
#include "TestHost.h"
#include "prefs/DateTimePrefs.h"

namespace {

constexpr size_t kImage = sizeof(DateTimePrefsRecord);

// A host session in a child: start-up with the program in `folder`; then,
// with `record` given, the record put in place of what was read; shut-down.
// The child writes the record it held after start-up into `seen`.
bool SessionInChild(const std::string& folder, const DateTimePrefsRecord* record, DateTimePrefsRecord* seen) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return false;
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    SetStandInProgramPath((folder + "/host.exe").c_str());
    TestHost host;
    host.Lifecycle(CallKind::Init);
    const DateTimePrefsRecord loaded = DateTimePrefs;
    if (record != nullptr) {
      DateTimePrefs = *record;
      activeTimeSeparator = record->timeSeparator;
      activeDateSeparator = record->dateSeparator;
    }
    host.Lifecycle(CallKind::Shutdown);
    _exit(write(pipeEnds[1], &loaded, kImage) == static_cast<ssize_t>(kImage) ? 0 : 3);
  }
  close(pipeEnds[1]);
  const bool got = read(pipeEnds[0], seen, kImage) == static_cast<ssize_t>(kImage);
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return got && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Any bytes at all, with the message ending within its field (a file whose
// message has no terminator is one the load mends, on purpose).
DateTimePrefsRecord RandomRecord(std::mt19937* random) {
  DateTimePrefsRecord record;
  unsigned char* bytes = reinterpret_cast<unsigned char*>(&record);
  for (size_t i = 0; i < kImage; ++i) bytes[i] = static_cast<unsigned char>((*random)() & 0xFF);
  record.overflowMessage[(*random)() % sizeof record.overflowMessage] = 0;
  return record;
}

TEST(PrefsRecord, WrittenAndReadBackIsTheSameRecord) {
  char pattern[] = "/tmp/kelv-prefs-record-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string folder = pattern;
  const std::string file = folder + "/DateTimePrefs.dtp";
  std::mt19937 random(25);
  for (int draw = 0; draw < 40; ++draw) {
    const DateTimePrefsRecord record = RandomRecord(&random);
    const std::string image(reinterpret_cast<const char*>(&record), kImage);
    DateTimePrefsRecord seen;
    // Written at shut-down, over whatever the file held...
    ASSERT_TRUE(SessionInChild(folder, &record, &seen)) << "draw " << draw;
    EXPECT_EQ(FileBytes(file), image) << "draw " << draw << ": the file written";
    // ...and read at the next start-up, then written back unchanged.
    ASSERT_TRUE(SessionInChild(folder, nullptr, &seen)) << "draw " << draw;
    EXPECT_EQ(std::memcmp(&seen, &record, kImage), 0) << "draw " << draw << ": the record read";
    EXPECT_EQ(FileBytes(file), image) << "draw " << draw << ": the file after a session that changed nothing";
  }
  std::remove(file.c_str());
  EXPECT_EQ(rmdir(folder.c_str()), 0);
}

// The preference file is used while its path, as the plug-in sees it, fits
// the platform's MAX_PATH with its terminator: the stand-in shows a native
// folder as one on drive C:, two characters longer. A folder a character
// longer than the last that fits gets no file at all.
TEST(PrefsRecord, FileIsUsedWhileItsPathFits) {
  constexpr size_t kDrive = 2;  // "C:" before the native path
  const size_t name = std::strlen("/DateTimePrefs.dtp");
  const size_t lastFolder = MAX_PATH - 1 - kDrive - name;
  // As the manual gives them: a file path of 260 characters or more is
  // refused, so a folder of at most 241 characters, its drive counted.
  EXPECT_EQ(MAX_PATH, 260);
  EXPECT_EQ(kDrive + lastFolder, 241u);
  std::mt19937 random(31);
  const DateTimePrefsRecord record = RandomRecord(&random);
  for (const size_t length : {lastFolder, lastFolder + 1}) {
    char pattern[] = "/tmp/kelv-prefs-path-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    std::string folder = pattern;
    std::string made[4];
    int depth = 0;
    while (folder.size() < length) {
      const size_t part = std::min<size_t>(length - folder.size() - 1, 200);
      ASSERT_GT(part, 0u);
      folder += "/" + std::string(part, 'd');
      ASSERT_EQ(mkdir(folder.c_str(), 0700), 0) << folder.size();
      made[depth++] = folder;
    }
    ASSERT_EQ(folder.size(), length);
    DateTimePrefsRecord seen;
    ASSERT_TRUE(SessionInChild(folder, &record, &seen)) << length;
    const std::string file = folder + "/DateTimePrefs.dtp";
    struct stat info;
    EXPECT_EQ(stat(file.c_str(), &info) == 0, length <= lastFolder) << "a folder of " << length;
    std::remove(file.c_str());
    while (depth > 0) EXPECT_EQ(rmdir(made[--depth].c_str()), 0);
    EXPECT_EQ(rmdir(pattern), 0);
  }
}

}  // namespace
