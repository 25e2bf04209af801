// The quick digit-group readings against the plain one, the tokenizer's: for
// every text of up to six characters over digits and separators, for every
// kind of separator (plain ones, quotes, escapes, line ends, NUL, blanks,
// letters and digits), and for a seeded sweep of longer texts.
#include <gtest/gtest.h>

#include <random>
#include <vector>
#include <string>

#include "datetime/DigitGroups.h"

namespace {

std::string Shown(const std::string& text) {
  std::string out;
  for (unsigned char ch : text) {
    if (ch >= 32 && ch < 127) out += static_cast<char>(ch);
    else out += "<" + std::to_string(ch) + ">";
  }
  return out;
}

// Same count, and the same value and length for every group.
bool SameGroups(const DigitGroups& a, const DigitGroups& b) {
  if (a.count != b.count) return false;
  for (int32_t g = 0; g < a.count; ++g) {
    if (a.value[g] != b.value[g] || a.length[g] != b.length[g]) return false;
  }
  return true;
}

// Calls visit(text) for every text of 1..maxLength characters over alphabet.
template <typename Visit>
void EveryText(const std::string& alphabet, size_t maxLength, Visit visit) {
  std::string text;
  for (size_t length = 1; length <= maxLength; ++length) {
    std::vector<size_t> digit(length, 0);
    text.assign(length, alphabet[0]);
    for (;;) {
      visit(text);
      size_t i = 0;
      while (i < length && ++digit[i] == alphabet.size()) {
        digit[i] = 0;
        text[i] = alphabet[0];
        ++i;
      }
      if (i == length) break;
      text[i] = alphabet[digit[i]];
    }
  }
}

// Separators of every kind: those the quick readings take, and those they
// leave to the tokenizer.
const char kSeparators[] = {':', '.', '/', '-', ' ', 'a', 'Z', '1', '0', '"', '\\', '\r', '\n', '\t', '|', '\0'};

int failures = 0;  // the first few differences are shown, not thousands

TEST(ReadDigitGroups, EqualsTheTokenizerForEveryShortText) {
  int64_t texts = 0;
  for (char separator : kSeparators) {
    // A time's set: its separator alone, or with the fraction's "."; and a
    // second separator the tokenizer does not take as plain.
    for (char fraction : {'\0', '.', '\\'}) {
      const char seps[3] = {separator, separator != 0 ? fraction : '\0', 0};
      std::string alphabet = "059";
      if (separator != 0) alphabet += separator;
      if (fraction != 0 && separator != 0) alphabet += fraction;
      EveryText(alphabet, 6, [&](const std::string& text) {
        ++texts;
        for (int32_t maxGroups : {2, 3, 4}) {
          DigitGroups quick, plain;
          const int32_t n = static_cast<int32_t>(text.size());
          ReadDigitGroups(text.c_str(), n, seps, maxGroups, &quick);
          TokenizeDigitGroups(text.c_str(), n, seps, maxGroups, &plain);
          if (!SameGroups(quick, plain) && ++failures <= 5)
            ADD_FAILURE() << "[" << Shown(text) << "] separators [" << Shown(seps) << "] groups " << maxGroups;
        }
      });
    }
  }
  EXPECT_GT(texts, 100000);
  EXPECT_EQ(failures, 0);
}

TEST(ScanDateGroups, EqualsTheTokenizerForEveryShortText) {
  int64_t texts = 0;
  for (char separator : kSeparators) {
    // Digits, the fixed "-", the separator, and a character that ends a date.
    std::string alphabet = "019-x";
    if (separator != 0 && alphabet.find(separator) == std::string::npos) alphabet += separator;
    EveryText(alphabet, 6, [&](const std::string& text) {
      ++texts;
      DigitGroups quick, plain;
      const int32_t quickReach = ScanDateGroups(text.c_str(), separator, &quick);
      const int32_t plainReach = ScanDateGroupsByTokenizer(text.c_str(), separator, &plain);
      // The groups count only where a date can stand: six characters or more.
      const bool same = quickReach == plainReach && (plainReach < 6 || SameGroups(quick, plain));
      if (!same && ++failures <= 5)
        ADD_FAILURE() << "[" << Shown(text) << "] separator " << int(separator) << " reach " << quickReach
                      << " / " << plainReach;
    });
  }
  EXPECT_GT(texts, 100000);
  EXPECT_EQ(failures, 0);
}

// Longer texts, up to the readings' limits, drawn with a fixed seed.
TEST(DigitGroups, EqualTheTokenizerOverASeededSweep) {
  std::mt19937 random(20261209);
  const std::string digits = "0123456789";
  for (int round = 0; round < 200000; ++round) {
    const char separator = kSeparators[random() % sizeof kSeparators];
    const char fraction = random() % 2 ? '.' : '\0';
    const std::string alphabet = digits + digits + std::string(1, separator != 0 ? separator : '5') +
                                 std::string(1, fraction != 0 ? fraction : '-') + "-x ";
    std::string text;
    const size_t length = 1 + random() % 14;
    for (size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];

    DigitGroups quick, plain;
    const int32_t quickReach = ScanDateGroups(text.c_str(), separator, &quick);
    const int32_t plainReach = ScanDateGroupsByTokenizer(text.c_str(), separator, &plain);
    if ((quickReach != plainReach || (plainReach >= 6 && !SameGroups(quick, plain))) && ++failures <= 5)
      ADD_FAILURE() << "date [" << Shown(text) << "] separator " << int(separator);

    // A time's groups come from its digits and separators alone.
    const char seps[3] = {separator, separator != 0 ? fraction : '\0', 0};
    std::string time;
    for (char ch : text) {
      if ((ch >= '0' && ch <= '9') || (ch != 0 && (ch == seps[0] || ch == seps[1]))) time += ch;
    }
    if (time.size() > static_cast<size_t>(kTimeScanLimit)) time.resize(kTimeScanLimit);
    const int32_t n = static_cast<int32_t>(time.size());
    if (n == 0) continue;  // a time is read from three characters or more
    ReadDigitGroups(time.c_str(), n, seps, 4, &quick);
    TokenizeDigitGroups(time.c_str(), n, seps, 4, &plain);
    if (!SameGroups(quick, plain) && ++failures <= 5)
      ADD_FAILURE() << "time [" << Shown(time) << "] separators [" << Shown(seps) << "]";
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace
