// The readers never depend on what the stack held before them: each call is
// made right after the stack below the caller was filled with one byte
// (digits and separators among them), and must read exactly as it reads on
// a clean stack.
#include <gtest/gtest.h>

#include <string>

#include "datetime/Parsing.h"
#include "prefs/DateTimePrefs.h"

namespace {

// Fills the stack below the caller, where the next call's locals go.
__attribute__((noinline)) void FillStack(char value) {
  volatile char junk[8192];
  for (size_t i = 0; i < sizeof junk; ++i) junk[i] = value;
}

__attribute__((noinline)) std::string TimeRead(char fill, const char* text) {
  int32_t h, m, s, ms;
  FillStack(fill);
  if (!ParseTimeText(text, &h, &m, &s, &ms)) return "refused";
  return std::to_string(h) + ":" + std::to_string(m) + ":" + std::to_string(s) + "." + std::to_string(ms);
}

__attribute__((noinline)) std::string DateRead(char fill, const char* text) {
  int32_t y, m, d;
  FillStack(fill);
  if (!ParseDateText(text, &y, &m, &d)) return "refused";
  return std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d);
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
      const std::string read = r.time ? TimeRead(fill, r.text) : DateRead(fill, r.text);
      EXPECT_EQ(read, r.read) << r.text << " after a stack of byte " << static_cast<int>(fill);
    }
  }
  SetDefaultPrefs();
}

}  // namespace
