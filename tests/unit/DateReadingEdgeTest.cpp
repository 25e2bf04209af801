// Edges of reading a date: the four-digit years it takes, the hyphen that
// separates whatever the separator preference, and a scan that stops at the
// text's end even when more digits lie behind it.
#include <gtest/gtest.h>

#include <string>

#include "datetime/DigitGroups.h"
#include "functions/RangeParameter.h"
#include "datetime/Parsing.h"
#include "prefs/DateTimePrefs.h"

namespace {

std::string Read(const char* text) {
  int32_t y, m, d;
  if (!ParseDateText(ActiveSeparators(), text, &y, &m, &d)) return "refused";
  return std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d);
}

TEST(DateReadingEdge, YearsOfFourDigits) {
  SetDefaultPrefs();
  struct Row { const char* text; const char* read; } rows[] = {
      {"1/2/999", "refused"},      {"1/2/1000", "1000-1-2"}, {"1/2/9999", "9999-1-2"},
      {"1/2/10000", "refused"},    {"1/2/99", "1999-1-2"},   {"1/2/100", "refused"},
      {"1000/1/2", "1000-1-2"},    {"999/1/2", "refused"},
  };
  for (const Row& r : rows) EXPECT_EQ(Read(r.text), r.read) << r.text;
}

TEST(DateReadingEdge, TheHyphenSeparatesWhateverTheSeparator) {
  for (int value = 0; value < 256; ++value) {
    const char separator = static_cast<char>(value);
    if (separator >= '0' && separator <= '9') continue;  // a digit separator cuts the digits too
    SetDefaultPrefs();
    DateTimePrefs.dateSeparator = separator;
    activeDateSeparator = separator;
    EXPECT_EQ(Read("12-25-2001"), "2001-12-25") << "separator " << value;
  }
  SetDefaultPrefs();
}

// The plain reading the quick ones are held to cuts at the hyphen as well,
// for every separator it may be given.
TEST(DateReadingEdge, ThePlainReadingCutsAtTheHyphen) {
  for (int value = 0; value < 256; ++value) {
    const char separator = static_cast<char>(value);
    if ((separator >= '0' && separator <= '9') || separator == '-') continue;
    DigitGroups groups;
    EXPECT_EQ(ScanDateGroupsByTokenizer("12-25-2001", separator, &groups), 10) << "separator " << value;
    ASSERT_EQ(groups.count, 3) << "separator " << value;
    EXPECT_EQ(groups.value[0], 12);
    EXPECT_EQ(groups.value[1], 25);
    EXPECT_EQ(groups.value[2], 2001);
  }
}

// "1-2" then the end of the text, then digits: two groups, no date.
TEST(DateReadingEdge, TheScanEndsWithTheText) {
  const char text[] = "1-2\0" "2001-5-5";
  for (int value : {0, 1, int{'/'}, int{'.'}, int{'"'}, int{'\\'}, int{'\r'}}) {
    SetDefaultPrefs();
    DateTimePrefs.dateSeparator = static_cast<char>(value);
    activeDateSeparator = static_cast<char>(value);
    EXPECT_EQ(Read(text), "refused") << "separator " << value;
  }
  SetDefaultPrefs();
}

}  // namespace
