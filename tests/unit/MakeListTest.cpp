// "Kelv-MakeList" writes its list in one pass, and straight as the text
// itself when there is no prefix or suffix and no line can be too long; both
// must give what the rule says item by item: every line end ends one item,
// each item is prefix + the line's first 255 characters + suffix, items
// joined by CR, trailing line ends dropped.
#include <gtest/gtest.h>

#include <string>

#include "TestHost.h"
#include "host/FunctionIds.h"

namespace {

std::string ByTheRule(const std::string& list, const std::string& prefix, const std::string& suffix) {
  std::string out;
  size_t i = 0;
  do {
    size_t end = list.find_first_of("\r\n", i);
    if (end == std::string::npos) end = list.size();
    out += prefix.substr(0, 255) + list.substr(i, std::min<size_t>(end - i, 255)) + suffix.substr(0, 255) + "\r";
    i = end + 1;
  } while (i < list.size());
  while (!out.empty() && (out.back() == '\r' || out.back() == '\n')) out.pop_back();
  return out.size() < 65535 ? out : "??";  // a list of 65535 bytes or more is refused
}

TEST(MakeList, EqualsTheRuleItemByItem) {
  const std::string line254(254, 'x'), line255(255, 'y'), line256(256, 'z'), line600(600, 'w');
  const std::string lists[] = {
      "",
      "a",
      "a\rb\nc\r\nd",
      "\r\r\n\n",
      "a\r",
      // A block of 128 characters without a line end, every line short.
      std::string(200, 'q') + "\r" + std::string(200, 'r'),
      line254 + "\n" + line255 + "\r" + line256,
      line600,
      "a\r" + line600 + "\r" + std::string(127, 'b') + "\n",
      // Many short lines, and one too long in their midst.
      [] {
        std::string s;
        for (int i = 0; i < 300; ++i) s += std::to_string(i) + (i % 3 ? "\r" : "\n");
        return s + std::string(300, 'L') + "\rend";
      }(),
  };
  // A prefix or suffix keeps its first 255 characters.
  struct Affixes { std::string prefix, suffix; } affixes[] = {
      {"", ""}, {"<", ""}, {"", ">"}, {"[", "]"},
      {std::string(254, '<'), std::string(256, '>')}, {std::string(255, '<'), std::string(300, '>')},
      {std::string(256, '<'), ""}, {std::string(300, '<'), "]"},
  };
  TestHost host;
  for (const std::string& list : lists) {
    for (const Affixes& a : affixes) {
      std::string parameter = list;
      if (!a.prefix.empty()) parameter += "|pre=" + a.prefix;
      if (!a.suffix.empty()) parameter += "|post=" + a.suffix;
      if (parameter.empty()) continue;  // an empty parameter is refused before any list
      ASSERT_EQ(host.Call(kMakeList, parameter), ByTheRule(list, a.prefix, a.suffix))
          << "list of " << list.size() << " prefix of " << a.prefix.size() << " suffix of " << a.suffix.size();
    }
  }
}

}  // namespace
