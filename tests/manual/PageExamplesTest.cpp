// The reader of the manual's checked examples and the finder of answers
// stated outside them: what each accepts, refuses and reports.
#include <gtest/gtest.h>

#include "ManualText.h"
#include "PageExamples.h"

namespace {

TEST(PageExamples, ReadsFormulasAnswersAndSetups) {
  const ParsedPage page = ParsePageExamples(
      "Text.\n\n"
      "    Kelv-TimePrefs(\"12|:|0\")\n"
      "    Kelv-FormatTime(\"9:05\")\n"
      "      => 9:05 AM\n\n"
      "    Kelv-MakeList(\"a\xC2\xB6\xE2\x90\x8A" "b|pre=\"\"|post=\"\"\")\n"
      "      => \"a\"\n"
      "         \"\"\n"
      "         \"b\"\n\n"
      "    [the host has no memory to give]\n"
      "    Kelv-DateList (days)(\"1/1/2001|1/2/2001\")\n"
      "      => (no result: the field keeps what it had)\n\n"
      "    Kelv-MinuteIncrementPrefs(\"15\")\n"
      "    Kelv-DateList (Date Minutes)(\"1/1/2001|10:05|1/1/2001|10:00\")\n"
      "      => (an empty text)\n\n"
      "    Kelv-ListNumbers(\"start=1|end=3|inc=1\")\n"
      "      => (a text of 5 bytes)\n\n"
      "    The date range specified is too large.\n");
  ASSERT_TRUE(page.errors.empty()) << page.errors[0];
  ASSERT_EQ(page.examples.size(), 5u);
  const PageExample& prefs = page.examples[0];
  ASSERT_EQ(prefs.calls.size(), 2u);
  EXPECT_FALSE(prefs.calls[0].checked);
  EXPECT_EQ(prefs.calls[1].name, "Kelv-FormatTime");
  EXPECT_EQ(prefs.calls[1].result, "9:05 AM");
  EXPECT_EQ(prefs.line, 3);
  EXPECT_EQ(page.examples[1].calls[0].parameter, "a\r\nb|pre=\"|post=\"");
  EXPECT_EQ(page.examples[1].calls[0].result, "\"a\"\r\"\"\r\"b\"");
  EXPECT_TRUE(page.examples[2].calls[0].noMemory);
  EXPECT_TRUE(page.examples[2].calls[0].noResult);
  EXPECT_TRUE(page.examples[3].calls[1].checked);
  EXPECT_EQ(page.examples[3].calls[1].result, "");
  EXPECT_EQ(page.examples[3].calls[1].resultLength, -1);
  EXPECT_EQ(page.examples[4].calls[0].resultLength, 5);

  const std::string jsonl = PageExamplesCase("p.md", page.examples);
  EXPECT_NE(jsonl.find("\"param\": \"a\\r\\nb|pre=\\\"|post=\\\"\""), std::string::npos) << jsonl;
  EXPECT_NE(jsonl.find("\"memory_error\": true}\n=> {\"outcome\":\"result\",\"result\":\"kept\"}"), std::string::npos);
  EXPECT_NE(jsonl.find("=> {\"outcome\":\"result\",\"result\":\"\"}"), std::string::npos);
  EXPECT_NE(jsonl.find("=> {\"outcome\":\"result\",\"result_length\":5}"), std::string::npos);
  EXPECT_NE(jsonl.find("# p.md:3\n{\"event\": \"init\"}"), std::string::npos);
}

TEST(PageExamples, RefusesWhatIsNoExample) {
  const struct {
    const char* page;
    const char* error;
  } cases[] = {
      {"    Kelv-FormatTme(\"9:05\")\n      => 09:05 AM\n", "1: no function is called Kelv-FormatTme"},
      {"    Kelv-FormatTime \"9:05\"\n", "1: a formula is Name(\"text\")"},
      {"    Kelv-FormatTime(\"9:05)\n", "1: the text has no closing quote"},
      {"    Kelv-FormatTime(\"9:05\") & \"x\"\n", "1: the formula must end with \")"},
      {"    Kelv-FormatTime(\"9:05\")\n      => 09:05 AM\n      => 09:05 AM\n", "3: an answer with no formula above it"},
      {"    Kelv-FormatTime(\"9:05\")\n    09:05 AM\n", "2: neither a formula nor its answer, in an example"},
      {"    [the host has no memory to give]\n\nText.\n", "2: no formula follows the line on memory"},
      {"    Kelv-FormatTime(\"\xE2\x82\xAC\")\n", "1: the text holds a character the plug-in cannot take"},
      {"    Kelv-MakeList(\"a\")\n      => (a text of 1 or 2 bytes)\n", "2: a length is a number"},
  };
  for (const auto& c : cases) {
    const ParsedPage page = ParsePageExamples(c.page);
    ASSERT_FALSE(page.errors.empty()) << c.page;
    EXPECT_EQ(page.errors[0], c.error) << c.page;
  }
}

TEST(PageExamples, FindsAnswersNoExampleGives) {
  const std::string examples =
      "## Times\n\n"
      "    Kelv-FormatTime(\"12:30 am\")\n      => 12:30 PM\n\n"
      "    Kelv-FormatTime(\" 10:30\")\n      => ??\n\n"
      "## Dates\n\n";
  const ParsedPage page = ParsePageExamples(examples);
  ASSERT_TRUE(page.errors.empty());
  const struct {
    const char* prose;
    bool unchecked;
  } cases[] = {
      {"`Kelv-FormatTime(\"12:30 am\")` gives `12:30 PM`.", false},
      {"A time of `12:30 am` is `12:30 PM`.", false},
      {"`Kelv-FormatTime(\"12:30 am\")` gives `00:30 AM`.", true},          // not the answer
      {"`Kelv-FormatTime(\"12:45 am\")` gives `12:30 PM`.", true},          // not the formula
      {"`14:05:33` and `14:05:33.250` both give `02:05 PM`.", true},        // no example at all
      {"| a cell | `1/1/2001|1/3/2001` gives *2* |", true},                 // tables and italics too
      {"An empty parameter answers `??`.", true},                           // ?? below another heading
      {"The `12:30 am` rule: it is no error.", false},                     // no quoted answer
      {"Padding is **on** by default.", false},                            // bold is no answer
      {"Text.\n\n    Kelv-FormatTime(\"9:05\") is `x`\n", false},          // code is no prose
  };
  for (const auto& c : cases) {
    const std::string text = examples + c.prose + "\n";
    const std::vector<UncheckedClaim> claims = FindUncheckedClaims(text, page.examples);
    EXPECT_EQ(!claims.empty(), c.unchecked) << c.prose;
  }
  // In the section of a ?? example an answer of ?? with nothing quoted
  // before it is backed.
  const std::string same = "## Times\n\nA blank before a time answers `??`.\n\n    Kelv-FormatTime(\" 10:30\")\n      => ??\n";
  EXPECT_TRUE(FindUncheckedClaims(same, ParsePageExamples(same).examples).empty());
}

bool ReadNamedCase(const std::string& path, std::string* text) {
  if (path != "tests/e2e/named.jsonl") return false;
  *text = "#! after expect_file DateTimePrefs.dtp zeros:280\n";
  return true;
}

TEST(PageExamples, FindsRulesNothingBacks) {
  const std::string section =
      "## Dates\n\n"
      "    Kelv-FormatDate(\"1/1/01\")\n      => 01/01/2001\n\n"
      "    Kelv-FormatDate(\"1/1/1\")\n      => ??\n\n";
  RuleBacking backing;
  backing.limits = "| a result | less than 65535 bytes |\n";
  backing.reviewed = {"This page states 9 rules"};
  backing.readCase = ReadNamedCase;
  const struct {
    const char* prose;
    bool unbacked;
  } cases[] = {
      {"A date needs six characters at least.", false},              // the length of 1/1/01
      {"A date needs seven characters at least.", true},             // no parameter or answer of 7
      {"A date needs 6 characters at least.", false},
      {"The year has 4 digits.", false},                             // digits are no measure
      {"A list of 65535 bytes is refused.", true},                   // no example holds 65535
      {"A list of 65,535 bytes is refused ([the limits](install.md#limits)).", false},
      {"A list of 65536 bytes is refused ([the limits](install.md#limits)).", true},
      {"A year is always read as `0011`.", true},                    // a quoted text no example holds
      {"A year is always read as `1/1/01`.", false},
      {"A date is never read twice.", false},                        // a rule word, the section's example
      {"This page states 9 rules about 3 days.", false},             // reviewed
      {"The words are never rounded.\n\n## Other\n\nIt is never so.", true},  // a section of no example
      {"## Other\n\n<!-- checked by tests/e2e/named.jsonl -->\nThe file is 280 bytes.", false},
      {"## Other\n\n<!-- checked by tests/e2e/named.jsonl -->\nThe file is 281 bytes.", true},
      {"## Other\n\n<!-- checked by tests/e2e/none.jsonl -->\nNothing.", true},  // no such case
  };
  for (const auto& c : cases) {
    const std::string text = section + c.prose + "\n";
    const std::vector<UncheckedClaim> rules = FindUnbackedRules(text, ParsePageExamples(text).examples, backing);
    EXPECT_EQ(!rules.empty(), c.unbacked) << c.prose;
  }
}

TEST(LimitsSection, MadeAnewBetweenItsMarkersOnly) {
  const std::string page = "Before.\n<!-- limits: made -->\nstale rows\n<!-- /limits -->\nAfter.\n";
  EXPECT_EQ(WithLimitsSection(page),
            "Before.\n<!-- limits: made -->\n" + LimitsSection() + "<!-- /limits -->\nAfter.\n");
  EXPECT_EQ(WithLimitsSection("No table.\n"), "No table.\n");
  EXPECT_EQ(WithLimitsSection("<!-- limits: no end\n"), "<!-- limits: no end\n");
  // Every pair of the table is a checked example the page reads.
  const ParsedPage limits = ParsePageExamples(LimitsSection());
  EXPECT_TRUE(limits.errors.empty()) << limits.errors[0];
  EXPECT_GE(limits.examples.size(), 20u);
}

}  // namespace
