#include "ManualText.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "FunctionRegistry.h"
#include "PluginLimits.h"

namespace {

enum GroupIndex {
#define KELV_GROUP_INDEX(Group, title, summary) k##Group,
  KELV_FUNCTION_GROUPS(KELV_GROUP_INDEX)
#undef KELV_GROUP_INDEX
};

enum FunctionIndex {
#define KELV_FUNCTION_INDEX(id, Ident, name, Handler, need) k##Ident = id,
  KELV_FUNCTION_TABLE(KELV_FUNCTION_INDEX)
#undef KELV_FUNCTION_INDEX
};

std::vector<FunctionEntry> MakeEntries() {
  std::vector<FunctionEntry> entries;
  const char* names[] = {
#define KELV_FUNCTION_NAME(id, Ident, name, Handler, need) name,
      KELV_FUNCTION_TABLE(KELV_FUNCTION_NAME)
#undef KELV_FUNCTION_NAME
  };
#define KELV_MANUAL_ENTRY(Ident, Group, syntax, parameter, result, errors, preferences) \
  entries.push_back({k##Ident, names[k##Ident], k##Group, syntax, parameter, result, errors, preferences, {}});
  KELV_FUNCTION_MANUAL(KELV_MANUAL_ENTRY)
#undef KELV_MANUAL_ENTRY
#define KELV_EXAMPLE(Ident, setupName, setupParameter, parameter, result) \
  entries[k##Ident].examples.push_back({setupName, setupParameter, parameter, result});
  KELV_FUNCTION_EXAMPLES(KELV_EXAMPLE)
#undef KELV_EXAMPLE
  return entries;
}

bool SameIgnoringCase(const std::string& a, const char* b) {
  if (a.size() != std::strlen(b)) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

// A text in a formula's double quotes: CR as ¶ (the host's own sign for it)
// and a double quote doubled, as formulas write them.
std::string QuotedInFormula(const char* text) {
  std::string out = "\"";
  for (const char* p = text; *p != 0; ++p) {
    if (*p == '\r') out += "\xC2\xB6";
    else if (*p == '\n') out += "\xE2\x90\x8A";
    else if (*p == '"') out += "\"\"";
    else out += *p;
  }
  return out + "\"";
}

// A result as the manual shows it: lines one below the other.
std::string ShownResult(const char* result) {
  if (result == nullptr) return "(no result: the field keeps what it had)";
  std::string out;
  for (const char* p = result; *p != 0; ++p) out += *p == '\r' ? '\n' : *p;
  return out;
}

// A JSON string of 8-bit text.
std::string Json(const char* text) {
  std::string out = "\"";
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != 0; ++p) {
    char escaped[8];
    if (*p == '"' || *p == '\\') {
      out += '\\';
      out += static_cast<char>(*p);
    } else if (*p == '\r') {
      out += "\\r";
    } else if (*p < 0x20 || *p >= 0x7F) {
      std::snprintf(escaped, sizeof escaped, "\\u%04x", *p);
      out += escaped;
    } else {
      out += static_cast<char>(*p);
    }
  }
  return out + "\"";
}

std::string Anchor(const char* name) {
  std::string out;
  for (const char* p = name; *p != 0; ++p) {
    unsigned char ch = static_cast<unsigned char>(*p);
    if (std::isalnum(ch)) out += static_cast<char>(std::tolower(ch));
    else if (ch == ' ' || ch == '-') out += '-';
  }
  return out;
}

}  // namespace

const std::vector<FunctionEntry>& FunctionEntries() {
  static const std::vector<FunctionEntry> entries = MakeEntries();
  return entries;
}

const std::vector<FunctionGroup>& FunctionGroups() {
  static const std::vector<FunctionGroup> groups = {
#define KELV_GROUP(Group, title, summary) {title, summary},
      KELV_FUNCTION_GROUPS(KELV_GROUP)
#undef KELV_GROUP
  };
  return groups;
}

const FunctionEntry* FindFunction(const std::string& nameOrId) {
  for (const FunctionEntry& entry : FunctionEntries()) {
    if (SameIgnoringCase(nameOrId, entry.name) || nameOrId == std::to_string(entry.id)) return &entry;
  }
  return nullptr;
}

std::string FormulaText(const char* name, const char* parameter) {
  return std::string(name) + "(" + QuotedInFormula(parameter) + ")";
}

std::string FunctionSection(const FunctionEntry& entry) {
  std::string text = "### " + std::string(entry.name) + "\n\n";
  text += "    " + std::string(entry.syntax) + "\n\n";
  text += "**Parameter.** " + std::string(entry.parameter) + "\n\n";
  text += "**Result.** " + std::string(entry.result) + "\n\n";
  text += "**Errors.** " + std::string(entry.errors) + "\n\n";
  text += "**Preferences.** " + std::string(entry.preferences) + "\n\n";
  if (!entry.examples.empty()) {
    text += "**Examples.**\n\n";
    for (const FunctionExample& e : entry.examples) {
      if (e.setupName[0] != 0) text += "    " + FormulaText(e.setupName, e.setupParameter) + "\n";
      text += "    " + FormulaText(entry.name, e.parameter) + "\n";
      std::string shown = ShownResult(e.result);
      std::string indented;
      for (char ch : shown) indented += ch == '\n' ? std::string("\n         ") : std::string(1, ch);
      text += "      => " + indented + "\n\n";
    }
  }
  return text;
}

namespace {

// How dates and times are read, shown where the manual says it; checked
// with the functions' own examples.
struct ReadingExample {
  const char* name;
  const char* setupName;
  const char* setupParameter;
  const char* parameter;
  const char* result;
};
const ReadingExample kReadingExamples[] = {
    {"Kelv-FormatDate", "", "", "25/12/2001", "12/25/2001"},
    {"Kelv-FormatDate", "", "", "2001-12-25", "12/25/2001"},
    {"Kelv-FormatDate", "Kelv-DatePrefs", "DDMMYYYY|/|1", "05/06/2001", "06/05/2001"},
    {"Kelv-FormatDate", "", "", "1/1/01", "01/01/2001"},
    {"Kelv-FormatDate", "", "", "1/1/1", "??"},
    {"Kelv-FormatDate", "", "", "1/1/0011", "01/01/2011"},
    {"Kelv-FormatDate", "", "", "1/1/90", "01/01/1990"},
    {"Kelv-FormatDate", "", "", "1/1/201", "??"},
    {"Kelv-FormatDate", "", "", "730486", "01/01/2001"},
    {"Kelv-FormatDate", "", "", "36525", "01/01/0101"},
    {"Kelv-FormatDate", "", "", "1", "01/01/1901"},
    {"Kelv-DiffDays", "", "", "1/1/1850|1/1/3750", "0"},
    {"Kelv-DiffDays", "", "", "1/1/1899|1/1/1900", "-693596"},
    {"Kelv-FormatTime", "", "", "10:30.5", "00:10 AM"},
    {"Kelv-FormatTime", "", "", "10:30", "10:30 AM"},
    {"Kelv-FormatTime", "", "", "24:00", "00:24 AM"},
    {"Kelv-FormatTime", "", "", "8:05:00.25 pm", "08:05 PM"},
    {"Kelv-FormatTime", "", "", "12:30 am", "12:30 PM"},
    {"Kelv-FormatTime", "", "", "10:30 p.m.", "10:30 AM"},
    {"Kelv-FormatTime", "", "", "3600", "01:00 AM"},
};

std::string ReadingExamplesText() {
  std::string text;
  for (const ReadingExample& e : kReadingExamples) {
    if (e.setupName[0] != 0) text += "    " + FormulaText(e.setupName, e.setupParameter) + "\n";
    text += "    " + FormulaText(e.name, e.parameter) + "\n      => " + ShownResult(e.result) + "\n\n";
  }
  return text;
}

}  // namespace

std::string FunctionsManual() {
  const auto& groups = FunctionGroups();
  std::string text =
      "<a id=\"functions\"></a>\n\n"
      "# Functions\n\n"
      "<!-- Made from resources/FunctionRegistry.h by `make docs`; edit the registry, not this file. -->\n\n"
      "Every function takes one text parameter and answers one text. Fields of the parameter are "
      "separated by `|`. In the examples a carriage return in a formula is written `\xC2\xB6` (a line "
      "feed, which text from other systems brings, `\xE2\x90\x8A`), and the "
      "lines of a list result stand one below the other. Each example is the exact answer under the "
      "default preferences (after the call above it, where there is one), checked by the tests of "
      "every build.\n\n";
  for (size_t g = 0; g < groups.size(); ++g) {
    text += "- " + std::string(groups[g].title) + ":";
    for (const FunctionEntry& entry : FunctionEntries()) {
      if (entry.group == static_cast<int>(g)) text += " [" + std::string(entry.name) + "](#" + Anchor(entry.name) + ")";
    }
    text += "\n";
  }
  text += "\n<a id=\"dates-and-times\"></a>\n\n## Dates and times\n\n"
          "A date is three numbers separated by the date separator (`/` unless changed) or `-`, and "
          "which is the month is told by their size alone, never by the date order of the preferences: "
          "a first number up to 12 is the month, from 13 to 31 the day, above that the year. So "
          "`25/12/2001`, `12/25/2001` and `2001-12-25` are all Christmas, and `05/06/2001` is 6 May "
          "under every date order, `DDMMYYYY` too. A date needs six characters at least (`1/1/01`) and "
          "a year of one, two or four digits; a blank before it makes it unreadable. Years of one or "
          "two digits from " KELV_LIMIT_TEXT(KELV_TWO_DIGIT_YEAR_PIVOT) " on are the 1900s, below it the "
          "2000s (`0011` is 2011); years of three digits are unreadable. An all-digit date is the "
          "host's day number (1 January 2001 is 730486), up to " KELV_LIMIT_TEXT(KELV_LAST_DAY_NUMBER)
          ", 30 December 3000. [The limits](install.md#limits) give every bound with its examples.\n\n"
          "The differences and lists count years from 1900 on as themselves. A year below 1900 does "
          "not count as itself: years 11 to 1899 count as the year plus 1900 (1850 as 3750), years up "
          "to 10, which only a day number gives, as the year plus 2000. Kelv-FormatDate writes the year "
          "it read: a four-digit year as typed, one of one or two digits by the rule above, and a year "
          "below 100 from a day number as 1901 to 1999.\n\n"
          "A time takes the forms `h:mm`, `h:mm:ss` or `m:ss`, with a fraction of a second after `.` "
          "(`.5`, `.25`, `.123`) and `am` or `pm` anywhere after the digits. Two numbers with a fraction "
          "are always minutes and seconds; without a fraction they are minutes and seconds only when "
          "the first is above 23. 12 am is noon, as 12 pm is; `a.m.` and `p.m.` are no markers. An "
          "all-digit time is seconds of the day (3600 is 1:00 AM), below 86400.\n\n"
          "[Why do I get ??](troubleshooting.md) goes through what makes a parameter unreadable.\n\n" +
          ReadingExamplesText();
  for (size_t g = 0; g < groups.size(); ++g) {
    text += "## " + std::string(groups[g].title) + "\n\n";
    text += "Functions that answer " + std::string(groups[g].summary) + ".\n\n";
    for (const FunctionEntry& entry : FunctionEntries()) {
      if (entry.group == static_cast<int>(g)) text += "<a id=\"" + Anchor(entry.name) + "\"></a>\n\n" + FunctionSection(entry);
    }
  }
  return text;
}

std::string ReadmeFunctionTable() {
  std::string text = "| Functions | What they answer |\n|---|---|\n";
  const auto& groups = FunctionGroups();
  for (size_t g = 0; g < groups.size(); ++g) {
    std::string names;
    for (const FunctionEntry& entry : FunctionEntries()) {
      if (entry.group != static_cast<int>(g)) continue;
      if (!names.empty()) names += ", ";
      names += "`" + std::string(entry.name) + "`";
    }
    text += "| " + names + " | " + groups[g].summary + " |\n";
  }
  return text;
}

std::string ExamplesCase() {
  std::string text =
      "# The examples of the user's manual, each in a session of its own\n"
      "# preferences (an Init before each reloads the defaults). Made from\n"
      "# resources/FunctionRegistry.h by `make docs`; edit the registry, not this file.\n"
      "#! --manual\n";
  for (const FunctionEntry& entry : FunctionEntries()) {
    for (const FunctionExample& e : entry.examples) {
      text += "{\"event\": \"init\"}\n=> {\"outcome\":\"init\",\"code\":4}\n";
      if (e.setupName[0] != 0) {
        text += "{\"call\": " + Json(e.setupName) + ", \"param\": " + Json(e.setupParameter) + "}\n";
        text += "=> {\"outcome\":\"none\"}\n";
      }
      text += "{\"call\": " + Json(entry.name) + ", \"param\": " + Json(e.parameter) + ", \"result_init\": \"kept\"}\n";
      if (e.result == nullptr) text += "=> {\"outcome\":\"none\"}\n";
      else text += "=> {\"outcome\":\"result\",\"result\":" + Json(e.result) + "}\n";
    }
  }
  for (const ReadingExample& e : kReadingExamples) {
    text += "{\"event\": \"init\"}\n=> {\"outcome\":\"init\",\"code\":4}\n";
    if (e.setupName[0] != 0) {
      text += "{\"call\": " + Json(e.setupName) + ", \"param\": " + Json(e.setupParameter) + "}\n";
      text += "=> {\"outcome\":\"none\"}\n";
    }
    text += "{\"call\": " + Json(e.name) + ", \"param\": " + Json(e.parameter) + ", \"result_init\": \"kept\"}\n";
    text += "=> {\"outcome\":\"result\",\"result\":" + Json(e.result) + "}\n";
  }
  return text;
}
