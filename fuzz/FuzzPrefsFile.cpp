// Fuzz target: the preference file's load and save over a file of any bytes
// and any length, through the host's start-up and shut-down.
//
// After the start-up the record holds the file's first 280 bytes over the
// defaults (the message cut within its field when it has no terminator),
// and the parsers' separators are the record's. After the shut-down the file
// holds the record followed by whatever the file had past 280 bytes.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "TestHost.h"
#include "file/TVXFile.h"
#include "prefs/DateTimePrefs.h"

namespace {

constexpr size_t kImage = sizeof(DateTimePrefsRecord);
constexpr size_t kMessageAt = 23;
constexpr size_t kMessageSize = 256;

void Require(bool condition) {
  if (!condition) std::abort();
}

// The preference file beside this program, named and closed.
void NamePrefsFile(TVXFile* file) {
  file->SetSpecialFolder(kHostProgramFolder);
  file->SetName("DateTimePrefs.dtp");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  TVXFile file;
  NamePrefsFile(&file);
  file.Delete();
  Require(file.Create() == kFileOk);
  Require(file.Open() == kFileOk);
  Require(file.Write(size > 0 ? data : reinterpret_cast<const uint8_t*>(""), static_cast<int32_t>(size)) == kFileOk);
  file.Close();

  // What the start-up must make of it.
  SetDefaultPrefs();
  char expected[kImage];
  std::memcpy(expected, &DateTimePrefs, kImage);
  if (size > 0) std::memcpy(expected, data, size < kImage ? size : kImage);
  if (size > kMessageAt && std::memchr(expected + kMessageAt, 0, kMessageSize) == nullptr)
    expected[kMessageAt + kMessageSize - 1] = 0;

  static TestHost host;
  host.Lifecycle(CallKind::Init);
  Require(std::memcmp(&DateTimePrefs, expected, kImage) == 0);
  Require(activeTimeSeparator == DateTimePrefs.timeSeparator);
  Require(activeDateSeparator == DateTimePrefs.dateSeparator);
  host.Lifecycle(CallKind::Shutdown);

  std::string after(size + kImage + 1, '\0');
  int32_t length = static_cast<int32_t>(after.size());
  file.SetMode(kModeReadOnly);
  Require(file.Open() == kFileOk);
  Require(file.Read(&after[0], &length) == kFileOk);
  file.Close();
  after.resize(static_cast<size_t>(length));
  std::string want(expected, kImage);
  if (size > kImage) want.append(reinterpret_cast<const char*>(data) + kImage, size - kImage);
  Require(after == want);
  return 0;
}
