// The text utilities, one table per routine.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "text/VXString.h"

namespace {

std::vector<std::string> Tokens(std::string text, const char* seps, int32_t maxargs,
                                std::string* after = nullptr) {
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back(0);
  std::vector<char*> argv(static_cast<size_t>(maxargs), reinterpret_cast<char*>(1));
  int32_t n = VXStrTokenize(buffer.data(), argv.data(), seps, maxargs);
  std::vector<std::string> out;
  for (int32_t i = 0; i < n; ++i) out.emplace_back(argv[static_cast<size_t>(i)]);
  EXPECT_EQ(argv[static_cast<size_t>(n)], nullptr) << "the entry after the last token is NULL";
  if (after != nullptr) *after = std::string(buffer.data(), buffer.size() - 1);
  return out;
}

std::vector<std::string> Fields(std::string text, const char* seps, int32_t maxargs) {
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back(0);
  std::vector<char*> argv(static_cast<size_t>(maxargs), reinterpret_cast<char*>(1));
  int32_t n = VXStrSplit(buffer.data(), argv.data(), seps, maxargs);
  std::vector<std::string> out;
  for (int32_t i = 0; i < n; ++i) out.emplace_back(argv[static_cast<size_t>(i)]);
  for (int32_t i = n; i < maxargs; ++i) EXPECT_EQ(argv[static_cast<size_t>(i)], nullptr);
  return out;
}

using List = std::vector<std::string>;

TEST(VXStrTokenize, Table) {
  struct Case { std::string text; const char* seps; int32_t maxargs; List expected; } cases[] = {
      {"12/31/2001", "/-", 4, {"12", "31", "2001"}},
      {",,a,,b,,", ",", 5, {"a", "b"}},
      {"\"a,b\",c", ",", 5, {"a,b", "c"}},
      {"a\\,b", ",", 5, {"a,b"}},
      {"\"\"", ",", 5, {}},
      {"", ",", 5, {}},
      {"ab\rcd", ",", 5, {"ab"}},
      {"ab\ncd", ",", 5, {"ab"}},
      {"a b c d", " ", 3, {"a", "b"}},
      {"ab\"cd", ",", 5, {"ab\"cd"}},           // a quote inside a token is literal
      {"\"ab\"cd", ",", 5, {"ab", "cd"}},       // a quoted token ends at its quote
      {"\"ab\"\"cd\"", ",", 5, {"ab", "cd"}},   // a doubled quote is no escape
      {"\"ab,cd", ",", 5, {"ab,cd"}},           // an unterminated quote runs to the end
      {"ab\"", ",", 5, {"ab\""}},
      {"\"", ",", 5, {}},                       // an opening quote last
      {"ab\\", ",", 5, {"ab"}},                 // a backslash last
      {"\\", ",", 5, {}},
      {"\"\\x\"", ",", 5, {"\\x"}},             // the first quoted character is taken as it is
      {"\"a\",b", ",", 5, {"a", "b"}},           // a one-character quoted token ends at its quote
      {"\\\"a", ",", 5, {"\"a"}},               // an escaped quote starts a token
      {"a\\\\b", ",", 5, {"a\\b"}},
      {",\\,", ",", 5, {","}},
      {"a,b", ",", 1, {}},                      // maxargs 1 leaves room for the NULL only
      {"a\"b c\"d;e", "; \"", 5, {"a\"b", "c\"d", "e"}},  // a quote among three separators stays a quote
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Tokens(c.text, c.seps, c.maxargs), c.expected) << "text: " << c.text;
  }
}

TEST(VXStrTokenize, CutsTheTextAtTheTokenPastTheLimit) {
  std::string after;
  EXPECT_EQ(Tokens("a b c d", " ", 3, &after), (List{"a", "b"}));
  EXPECT_EQ(std::strlen(after.c_str() + 4), 0u) << "c is overwritten with NUL";
}

TEST(VXStrSplit, Table) {
  struct Case { std::string text; int32_t maxargs; List expected; } cases[] = {
      {"a||b|", 4, {"a", "", "b", ""}},
      {"a|b|c|d|e", 4, {"a", "b", "c", "d"}},
      {"", 4, {""}},
      {"|", 4, {"", ""}},
      {"a\vb|c", 4, {"a\rb", "c"}},
      {"\"a|b\"", 4, {"\"a", "b\""}},   // quotes are ordinary
      {"a|b", 1, {"a"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Fields(c.text, "|", c.maxargs), c.expected) << c.text;
}

TEST(VXStrCopy, Table) {
  char dest[16];
  std::memset(dest, 'z', sizeof dest);
  VXStrCopy(dest, "abcdef", 3);
  EXPECT_STREQ(dest, "abc");
  EXPECT_EQ(dest[4], 'z') << "writes n + 1 bytes only";
  VXStrCopy(dest, nullptr, 3);
  EXPECT_STREQ(dest, "");
  std::strcpy(dest, "keep");
  VXStrCopy(dest, "abc", 0);
  EXPECT_STREQ(dest, "keep");
  VXStrCopy(dest, "abc", -5);
  EXPECT_STREQ(dest, "keep");
}

TEST(VXStrAppend, Table) {
  struct Case { const char* start; const char* source; int32_t size; const char* expected; } cases[] = {
      {"abcde", "xyz", 8, "abcdexy"},
      {"abcdefg", "xyz", 8, "abcdefg"},
      {"ab", nullptr, 8, "ab"},
      {"ab", "xyz", 0, "ab"},
      {"", "xyz", 4, "xyz"},
      {"", "xyz", 1, ""},
  };
  for (const Case& c : cases) {
    char dest[16];
    std::strcpy(dest, c.start);
    std::memset(dest + std::strlen(dest) + 1, 'z', sizeof dest - std::strlen(dest) - 1);
    VXStrAppend(dest, c.source, c.size);
    EXPECT_STREQ(dest, c.expected) << c.start << " + " << (c.source ? c.source : "NULL");
  }
}

TEST(VXStrCompareNoCase, Table) {
  EXPECT_EQ(VXStrCompareNoCase("FMDATE", "fmdate"), 0);
  EXPECT_EQ(VXStrCompareNoCase("\x80x", "\x8Ax"), 0);  // A diaeresis both cases
  EXPECT_EQ(VXStrCompareNoCase("\xCE", "\xCF"), 0);     // OE ligature
  EXPECT_NE(VXStrCompareNoCase("abc", "abd"), 0);
  EXPECT_NE(VXStrCompareNoCase("ab", "abc"), 0);
  EXPECT_EQ(VXStrCompareNoCase(nullptr, nullptr), 0);
  EXPECT_EQ(VXStrCompareNoCase(nullptr, ""), -1);
  EXPECT_EQ(VXStrCompareNoCase("", nullptr), 1);
  EXPECT_EQ(VXStrCompareNoCase("", ""), 0);
}

TEST(VXLowerCaseMap, OnlyLettersChange) {
  const unsigned char upperHalf[][2] = {{0x80, 0x8A}, {0x81, 0x8C}, {0x82, 0x8D}, {0x83, 0x8E},
                                        {0x84, 0x96}, {0x85, 0x9A}, {0x86, 0x9F}, {0xAE, 0xBE},
                                        {0xAF, 0xBF}, {0xB8, 0xB9}, {0xCB, 0x88}, {0xCC, 0x8B},
                                        {0xCD, 0x9B}, {0xCE, 0xCF}};
  int changed = 0;
  for (int b = 0; b < 256; ++b) {
    unsigned char expected = static_cast<unsigned char>(b);
    if (b >= 'A' && b <= 'Z') expected = static_cast<unsigned char>(b + 32);
    for (const auto& pair : upperHalf) {
      if (pair[0] == b) expected = pair[1];
    }
    EXPECT_EQ(VXLowerCaseMap[b], expected) << "byte " << b;
    if (expected != b) ++changed;
  }
  EXPECT_EQ(changed, 26 + 14);
}

TEST(VXStrFindNoCase, Table) {
  const char* text = "Start=5";
  EXPECT_EQ(VXStrFindNoCase(text, "start="), text);
  EXPECT_EQ(VXStrFindNoCase(text, "=5"), text + 5);
  EXPECT_EQ(VXStrFindNoCase(text, ""), text);
  EXPECT_EQ(VXStrFindNoCase(text, "x"), nullptr);
  EXPECT_EQ(VXStrFindNoCase(nullptr, "x"), nullptr);
  EXPECT_EQ(VXStrFindNoCase(text, nullptr), nullptr);
  std::string longText(300, '.');
  longText.replace(260, 2, "pm");
  EXPECT_EQ(VXStrFindNoCase(longText.c_str(), "pm"), nullptr) << "only 255 characters are searched";
  longText.replace(253, 2, "PM");
  EXPECT_EQ(VXStrFindNoCase(longText.c_str(), "pm"), longText.c_str() + 253);
  longText.replace(253, 2, "..");
  longText.replace(254, 2, "pm");
  EXPECT_EQ(VXStrFindNoCase(longText.c_str(), "pm"), nullptr) << "reaches past character 255";
  // A pattern of 255 characters or more matches on its first 255.
  const std::string x255(255, 'x'), x300(300, 'x');
  EXPECT_EQ(VXStrFindNoCase(x300.c_str(), x255.c_str()), x300.c_str());
  EXPECT_EQ(VXStrFindNoCase(x255.c_str(), x300.c_str()), x255.c_str());
}

TEST(VXMemCompare, Table) {
  EXPECT_EQ(VXMemCompare("START=1", "start=", 6, true), 0);
  EXPECT_NE(VXMemCompare("START=1", "start=", 6, false), 0);
  EXPECT_NE(VXMemCompare("st", "start=", 6, true), 0);   // stops at the terminator
  EXPECT_EQ(VXMemCompare("a\0b", "a\0b", 3, false), 0);  // terminators are not special
  EXPECT_EQ(VXMemCompare(nullptr, nullptr, 1, false), 0);
  EXPECT_EQ(VXMemCompare(nullptr, "a", 1, false), -1);
  EXPECT_EQ(VXMemCompare("a", nullptr, 1, false), 1);
  EXPECT_LT(VXMemCompare("\x80", "a", 1, false), 0);     // bytes compare as signed
}

TEST(VXCharInSet, Table) {
  struct Case { char ch; const char* seps; bool in; } cases[] = {
      {'|', "|", true},  {':', "/:-", true}, {'-', "/:-", true}, {'a', "/:-", false},
      {'\0', "/:-", false},  // the terminator is no member
      {'a', "", false},  {'a', nullptr, false}, {'\0', nullptr, false},
      {'\xff', "\xff", true}, {'\xff', "\x7f", false},
  };
  for (const Case& c : cases) EXPECT_EQ(VXCharInSet(c.ch, c.seps), c.in) << int(c.ch) << " in " << (c.seps ? c.seps : "(none)");
}

TEST(VXIntToStr, Table) {
  struct Case { int32_t value; const char* text; } cases[] = {
      {0, "0"}, {-45, "-45"}, {7, "7"}, {2147483647, "2147483647"}, {-2147483647 - 1, "-2147483648"},
  };
  for (const Case& c : cases) {
    char buf[12];
    EXPECT_EQ(VXIntToStr(c.value, buf), static_cast<int32_t>(std::strlen(c.text)));
    EXPECT_STREQ(buf, c.text);
  }
}

TEST(VXMemFillAndCopy, Bounds) {
  char buf[8] = "abcdefg";
  EXPECT_EQ(VXMemFill(buf, 0x178, 3), 0x178);
  EXPECT_EQ(std::string(buf, 7), std::string("xxxdefg"));
  VXMemCopy(buf + 3, "12", 2);
  EXPECT_EQ(std::string(buf, 7), std::string("xxx12fg"));
  VXMemCopy(nullptr, "12", 2);
  VXMemCopy(buf, nullptr, 2);
  EXPECT_EQ(std::string(buf, 7), std::string("xxx12fg")) << "nothing to copy from";
  EXPECT_EQ(VXMemFill(nullptr, 5, 3), 5);
  char reversed[] = "abc";
  VXStrReverse(reversed);
  EXPECT_STREQ(reversed, "cba");
  char even[] = "abcd", empty[] = "";
  VXStrReverse(even);
  VXStrReverse(empty);
  VXStrReverse(nullptr);
  EXPECT_STREQ(even, "dcba");
  EXPECT_STREQ(empty, "");
}

// Overlapping blocks: a destination below the source, or the same block,
// moves as memmove does; one above the source, overlapping it, gets the
// forward byte-by-byte copy's result (the first bytes repeated).
TEST(VXMemCopy, Overlaps) {
  struct Case { int32_t to, from; uint32_t n; const char* text; } cases[] = {
      {0, 2, 4, "cdefef"}, {2, 0, 4, "ababab"}, {1, 0, 5, "aaaaaa"}, {0, 0, 6, "abcdef"},
      {3, 0, 3, "abcabc"}, {0, 3, 3, "defdef"}, {1, 0, 0, "abcdef"},
  };
  for (const Case& c : cases) {
    char buf[] = "abcdef";
    VXMemCopy(buf + c.to, buf + c.from, c.n);
    EXPECT_STREQ(buf, c.text) << c.n << " bytes from " << c.from << " to " << c.to;
  }
}

TEST(VXStrToLower, LettersOnly) {
  char text[] = "MiXeD 12/AZ@[`{";
  VXStrToLower(text);
  EXPECT_STREQ(text, "mixed 12/az@[`{");
  VXStrToLower(nullptr);
}

TEST(VXAssertFailed, ReportsAndEndsTheProcess) {
  char* argv[2];
  EXPECT_EXIT(VXStrTokenize(nullptr, argv, ",", 2), testing::ExitedWithCode(1),
              "\\[Assertion Failure\\] Assertion \\(str != NULL\\) failed in \"VXString\" on line [0-9]+");
  EXPECT_EXIT(VXStrSplit(const_cast<char*>("a"), argv, ",", 0), testing::ExitedWithCode(1),
              "Assertion \\(maxargs > 0\\) failed");
  EXPECT_EXIT(VXStrCopy(nullptr, "a", 1), testing::ExitedWithCode(1), "Assertion \\(dest != NULL\\)");
}

}  // namespace
