// The manual's table of the plug-in's limits, made from the limits the code
// takes (resources/PluginLimits.h), and beside each a pair of examples: the
// last value that works and the first that does not, their parameters built
// from the same limits, so that a limit changed in the code changes the
// table, the examples and the cases that check them at once.
#include <string>

#include "ManualText.h"
#include "resources/PluginLimits.h"

namespace {

std::string Number(long long value) { return std::to_string(value); }

// head + blanks + tail, `total` characters long.
std::string Padded(const std::string& head, const std::string& tail, int total, char fill = ' ') {
  return head + std::string(static_cast<size_t>(total) - head.size() - tail.size(), fill) + tail;
}

// A formula's text as the page writes it: quotes doubled.
std::string Formula(const char* name, const std::string& parameter) { return FormulaText(name, parameter.c_str()); }

std::string Example(const std::string& setup, const std::string& formula, const std::string& answer) {
  std::string text;
  if (!setup.empty()) text += "    " + setup + "\n";
  text += "    " + formula + "\n      => " + answer + "\n";
  return text;
}

// Two examples, the last that works and the first that does not, after a
// line that says what they show.
std::string Edge(const std::string& what, const std::string& works, const std::string& fails) {
  return what + "\n\n" + works + "\n" + fails + "\n";
}

// The length of Kelv-ListNumbers' list of 1 to `end`: every number's digits
// and a carriage return between two.
long long NumberListLength(long long end) {
  long long length = end - 1;
  for (long long n = 1; n <= end; ++n) length += static_cast<long long>(std::to_string(n).size());
  return length;
}

}  // namespace

std::string LimitsSection() {
  const int result = KELV_RESULT_SIZE_LIMIT;
  std::string text =
      "| Limit | Value | What it means |\n"
      "|---|---|---|\n"
      "| a result | less than " + Number(result) + " bytes | a longer one is refused whole with `??` (and the "
      "overflow message, when it is on). The lists are judged before they are written, by their count "
      "of items times the widest item: the date lists by the widest date or time the preferences write, "
      "Kelv-ListNumbers by its widest number, Kelv-MakeList by its lines times prefix and suffix, plus "
      "the list's text; so a list somewhat shorter may be refused too. The other functions' results "
      "are far shorter |\n"
      "| the overflow message | at most one every " + Number(KELV_OVERFLOW_NOTICE_INTERVAL_MS) +
      " milliseconds; its text keeps " + Number(KELV_OVERFLOW_MESSAGE_LIMIT) + " characters, " +
      Number(KELV_DIALOG_MESSAGE_LIMIT) + " when typed into the preferences dialog | the "
      "calls refused in between answer `??` without a box |\n"
      "| what a parameter is read to | the differences and the date lists: " +
      Number(KELV_RANGE_PARAMETER_LIMIT) + " characters; Kelv-ListNumbers: " +
      Number(KELV_NUMBER_LIST_PARAMETER_LIMIT) + "; Kelv-FormatDate and Kelv-FormatTime: " +
      Number(KELV_FORMAT_PARAMETER_LIMIT) + "; the preference functions: " +
      Number(KELV_PREFS_PARAMETER_LIMIT) + ", but Kelv-OverflowMessagePrefs: " +
      Number(KELV_OVERFLOW_MESSAGE_LIMIT) + "; Kelv-MakeList: all of it | the "
      "characters after are not seen, as if they were not there |\n"
      "| prefix and suffix of a date list or a difference | " + Number(KELV_RANGE_AFFIX_LIMIT) +
      " characters each | more are dropped |\n"
      "| prefix and suffix of Kelv-ListNumbers and Kelv-MakeList, a line of Kelv-MakeList | " +
      Number(KELV_LIST_AFFIX_LIMIT) + " characters each | more are dropped |\n"
      "| the host's day numbers | 0 to " + Number(KELV_LAST_DAY_NUMBER) + " (30 December 3000) | a "
      "larger number is `??` |\n"
      "| years of four digits | " + Number(KELV_FIRST_FOUR_DIGIT_YEAR) + " to " +
      Number(KELV_LAST_FOUR_DIGIT_YEAR) + " | a year of three or of five digits is `??` |\n"
      "| years of one or two digits | " + Number(KELV_TWO_DIGIT_YEAR_PIVOT) + " to 99 are 19" +
      Number(KELV_TWO_DIGIT_YEAR_PIVOT) + " to 1999, 0 to " + Number(KELV_TWO_DIGIT_YEAR_PIVOT - 1) +
      " are 2000 to 20" + Number(KELV_TWO_DIGIT_YEAR_PIVOT - 1) + " | `0011` is a year of two digits |\n"
      "| the minute and hour steps | 1 or more | a step of 0 is `??` |\n"
      "| `inc=` of Kelv-ListNumbers | 1 or more | a step below 1 (0 too) writes no result: the field "
      "keeps what it had |\n"
      "\n"
      "Each limit at its edge: the last value that works, then the first that does not.\n\n";

  // Kelv-ListNumbers of 1 to N, five digits at most: N items of the widest
  // number's five digits and a separator each, less the last separator.
  const long long widest = 6;
  const long long lastEnd = (result - 1) / widest;
  text += Edge("A result: the list of 1 to " + Number(lastEnd) + " is judged " + Number(lastEnd * widest) +
                   " bytes long, the list of one more " + Number((lastEnd + 1) * widest) + ":",
               Example("", Formula("Kelv-ListNumbers", "start=1|end=" + Number(lastEnd) + "|inc=1"),
                       "(a text of " + Number(NumberListLength(lastEnd)) + " bytes)"),
               Example("", Formula("Kelv-ListNumbers", "start=1|end=" + Number(lastEnd + 1) + "|inc=1"), "??"));

  const int range = KELV_RANGE_PARAMETER_LIMIT;
  text += Edge("The differences and date lists read " + Number(range) + " characters: a `pm` ending at the " +
                   Number(range) + "th is seen, one ending a character later is not:",
               Example("", Formula("Kelv-DiffMinutes", Padded("10:00|10:30", "pm", range)), "750"),
               Example("", Formula("Kelv-DiffMinutes", Padded("10:00|10:30", "pm", range + 1)), "30"));

  const int numbers = KELV_NUMBER_LIST_PARAMETER_LIMIT;
  const std::string head = "start=1|end=2|pre=", tail = "|inc=1";
  const std::string prefix(static_cast<size_t>(numbers) - head.size() - tail.size(), 'a');
  text += Edge("Kelv-ListNumbers reads " + Number(numbers) + " characters: an `inc=1` ending at the " +
                   Number(numbers) + "th is read, one ending a character later is lost, and with it the list:",
               Example("", Formula("Kelv-ListNumbers", head + prefix + tail), prefix + "1\n         " + prefix + "2"),
               Example("", Formula("Kelv-ListNumbers", head + prefix + "a" + tail),
                       "(no result: the field keeps what it had)"));

  const int format = KELV_FORMAT_PARAMETER_LIMIT;
  text += Edge("Kelv-FormatDate and Kelv-FormatTime read " + Number(format) + " characters:",
               Example("", Formula("Kelv-FormatTime", Padded("10:30", "pm", format)), "10:30 PM"),
               Example("", Formula("Kelv-FormatTime", Padded("10:30", "pm", format + 1)), "10:30 AM"));

  const int prefs = KELV_PREFS_PARAMETER_LIMIT;
  text += Edge("The preference functions read " + Number(prefs) + " characters: a padding `1` as the " +
                   Number(prefs) + "th is read, one character later it is not:",
               Example(Formula("Kelv-DatePrefs", Padded("DDMMYYYY|", "|1", prefs, '.')),
                       Formula("Kelv-FormatDate", "25.1.2001"), "25.01.2001"),
               Example(Formula("Kelv-DatePrefs", Padded("DDMMYYYY|", "|1", prefs + 1, '.')),
                       Formula("Kelv-FormatDate", "25.1.2001"), "25.1.2001"));

  const std::string affix(KELV_RANGE_AFFIX_LIMIT, 'x');
  text += Edge("A date list keeps " + Number(KELV_RANGE_AFFIX_LIMIT) + " characters of its prefix:",
               Example("", Formula("Kelv-DateList (Years)", affix + "|1/1/2001|1/1/2001"), affix + "2001"),
               Example("", Formula("Kelv-DateList (Years)", affix + "x|1/1/2001|1/1/2001"), affix + "2001"));

  const std::string line(KELV_LIST_AFFIX_LIMIT, 'a');
  text += Edge("Kelv-MakeList keeps " + Number(KELV_LIST_AFFIX_LIMIT) + " characters of a line:",
               Example("", Formula("Kelv-MakeList", line), line),
               Example("", Formula("Kelv-MakeList", line + "a"), line));

  text += Edge("The host's day numbers:",
               Example("", Formula("Kelv-FormatDate", Number(KELV_LAST_DAY_NUMBER)), "12/30/3000"),
               Example("", Formula("Kelv-FormatDate", Number(KELV_LAST_DAY_NUMBER + 1)), "??"));
  text += Edge("Years of four digits, at either end:",
               Example("", Formula("Kelv-FormatDate", "1/1/" + Number(KELV_FIRST_FOUR_DIGIT_YEAR)),
                       "01/01/" + Number(KELV_FIRST_FOUR_DIGIT_YEAR)),
               Example("", Formula("Kelv-FormatDate", "1/1/" + Number(KELV_FIRST_FOUR_DIGIT_YEAR - 1)), "??"));
  text += Example("", Formula("Kelv-FormatDate", "1/1/" + Number(KELV_LAST_FOUR_DIGIT_YEAR)),
                  "01/01/" + Number(KELV_LAST_FOUR_DIGIT_YEAR)) +
          "\n" + Example("", Formula("Kelv-FormatDate", "1/1/" + Number(KELV_LAST_FOUR_DIGIT_YEAR + 1)), "??") + "\n";
  const int pivot = KELV_TWO_DIGIT_YEAR_PIVOT;
  text += Edge("Years of two digits: the last in the 2000s, the first in the 1900s:",
               Example("", Formula("Kelv-FormatDate", "1/1/" + Number(pivot - 1)), "01/01/20" + Number(pivot - 1)),
               Example("", Formula("Kelv-FormatDate", "1/1/" + Number(pivot)), "01/01/19" + Number(pivot)));
  text += Edge("The steps:",
               Example(Formula("Kelv-MinuteIncrementPrefs", "1"), Formula("Kelv-DateList (Minutes)", "9:00|9:01"),
                       "09:00 AM\n         09:01 AM"),
               Example(Formula("Kelv-MinuteIncrementPrefs", "0"), Formula("Kelv-DateList (Minutes)", "9:00|9:01"),
                       "??"));
  text += Edge("The step of Kelv-ListNumbers:",
               Example("", Formula("Kelv-ListNumbers", "start=1|end=3|inc=1"), "1\n         2\n         3"),
               Example("", Formula("Kelv-ListNumbers", "start=1|end=3|inc=0"),
                       "(no result: the field keeps what it had)"));
  return text;
}

std::string WithLimitsSection(const std::string& page) {
  const size_t opening = page.find("<!-- limits:");
  if (opening == std::string::npos) return page;
  const size_t start = page.find('\n', opening);
  const size_t end = page.find("<!-- /limits -->", opening);
  if (start == std::string::npos || end == std::string::npos || end < start) return page;
  return page.substr(0, start + 1) + LimitsSection() + page.substr(end);
}
