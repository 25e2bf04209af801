// The readers never depend on what the stack held before them: each call is
// made right after the stack below the caller was filled with one byte
// (digits and separators among them), and must read exactly as it reads on
// a clean stack.
#include <gtest/gtest.h>

#include <string>

#include "datetime/Parsing.h"
#include "functions/RangeParameter.h"
#include "prefs/DateTimePrefs.h"

namespace {

constexpr size_t kFilled = 16384;
constexpr size_t kBelow = 1024;

// Fills the stack below the caller, where the next calls' frames go.
__attribute__((noinline)) void FillStack(char value) {
  volatile char junk[kFilled];
  for (size_t i = 0; i < sizeof junk; ++i) junk[i] = value;
}

// Calls the reader from a frame of kBelow filled bytes: FillStack's own
// return address and saved registers, wherever the compiler puts them among
// its array, lie above that frame, so the reader's frame lies wholly within
// the bytes FillStack wrote, whatever the compiler's layout.
__attribute__((noinline)) std::string ReadBelow(char fill, bool time, const char* text) {
  volatile char below[kBelow];
  for (size_t i = 0; i < sizeof below; ++i) below[i] = fill;
  std::string read = "refused";
  int32_t a, b, c, d;
  if (time && ParseTimeText(ActiveSeparators(), text, &a, &b, &c, &d)) {
    read = std::to_string(a) + ":" + std::to_string(b) + ":" + std::to_string(c) + "." + std::to_string(d);
  } else if (!time && ParseDateText(ActiveSeparators(), text, &a, &b, &c)) {
    read = std::to_string(a) + "-" + std::to_string(b) + "-" + std::to_string(c);
  }
  return below[0] == fill ? read : "the frame below was overwritten";
}

__attribute__((noinline)) std::string Read(char fill, bool time, const char* text) {
  FillStack(fill);
  return ReadBelow(fill, time, text);
}

TEST(StackGarbage, ReadersIgnoreWhatTheStackHeld) {
  struct Row { bool time; const char* text; const char* read; } rows[] = {
      {true, "10:15", "10:15:0.0"},       {true, "1:02:03", "1:2:3.0"},   {true, "10:15:30.25", "10:15:30.250"},
      {true, "9:05 pm", "21:5:0.0"},      {true, "3600", "1:0:0.0"},      {true, "12:61", "refused"},
      {false, "12/25/2001", "2001-12-25"}, {false, "25.12.2001", "refused"}, {false, "2001-12-25", "2001-12-25"},
      {false, "5/6/01", "2001-5-6"},
  };
  for (char fill : {'\0', '0', '1', '2', '5', '9', ':', '/', '-', '.', ' ', '\xFF'}) {
    for (const Row& r : rows) {
      SetDefaultPrefs();
      const std::string read = Read(fill, r.time, r.text);
      EXPECT_EQ(read, r.read) << r.text << " after a stack of byte " << static_cast<int>(fill);
    }
  }
  SetDefaultPrefs();
}

}  // namespace
