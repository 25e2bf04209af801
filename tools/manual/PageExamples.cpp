#include "PageExamples.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "ManualText.h"

namespace {

const char kNoResultText[] = "(no result: the field keeps what it had)";
const char kEmptyText[] = "(an empty text)";
const char kLengthOpening[] = "(a text of ";
const char kLengthClosing[] = " bytes)";
const char kNoMemoryLine[] = "[the host has no memory to give]";
const char kEmptyTimeSeparatorLine[] = "[in the preferences dialog: the time separator box emptied, then Ok]";
// The dialog as it opens under the default preferences, then the time
// separator box emptied and Ok clicked.
const char kEmptyTimeSeparatorRequest[] =
    "{\"event\": \"preferences\", \"dialog\": [{\"type\": [9, \"\"]}, {\"click\": 1}]}\n";
const char kEmptyTimeSeparatorResponse[] =
    "=> {\"outcome\":\"done\",\"dialog\":{\"title\":\"Mevrin Date & Time Preferences\",\"opened\":{"
    "\"checked\":[5,6,12,13],\"disabled\":[22],\"texts\":{\"9\":\":\",\"10\":\"1\",\"11\":\"1\",\"20\":\"/\","
    "\"22\":\"The date range specified is too large.\\nSpecify a smaller date range and try again.\"}}}}\n";
const char kPilcrow[] = "\xC2\xB6";        // ¶, a carriage return
const char kLineFeedSign[] = "\xE2\x90\x8A";  // ␊, a line feed

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

bool StartsWith(const std::string& s, const char* prefix) { return s.compare(0, std::strlen(prefix), prefix) == 0; }

bool Blank(const std::string& s) {
  for (char ch : s) {
    if (ch != ' ' && ch != '\t') return false;
  }
  return true;
}

// Page text to the bytes the plug-in sees: ¶ and ␊ are the line ends, other
// characters of U+0080..U+00FF their one byte. False for anything else.
bool ToBytes(const std::string& text, std::string* bytes) {
  bytes->clear();
  for (size_t i = 0; i < text.size();) {
    const unsigned char ch = static_cast<unsigned char>(text[i]);
    if (text.compare(i, 2, kPilcrow) == 0) {
      *bytes += '\r';
      i += 2;
    } else if (text.compare(i, 3, kLineFeedSign) == 0) {
      *bytes += '\n';
      i += 3;
    } else if (ch < 0x80) {
      *bytes += static_cast<char>(ch);
      ++i;
    } else if ((ch == 0xC2 || ch == 0xC3) && i + 1 < text.size()) {
      *bytes += static_cast<char>(((ch & 0x03) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
      i += 2;
    } else {
      return false;
    }
  }
  return true;
}

// Name("text") with doubled quotes inside the text, as a formula writes it.
bool ParseFormula(const std::string& formula, std::string* name, std::string* parameter, std::string* why) {
  const size_t open = formula.find("(\"");
  if (open == std::string::npos || open == 0) {
    *why = "a formula is Name(\"text\")";
    return false;
  }
  *name = formula.substr(0, open);
  if (FindFunction(*name) == nullptr) {
    *why = "no function is called " + *name;
    return false;
  }
  std::string quoted;
  size_t i = open + 2;
  for (;; ++i) {
    if (i >= formula.size()) {
      *why = "the text has no closing quote";
      return false;
    }
    if (formula[i] != '"') {
      quoted += formula[i];
    } else if (i + 1 < formula.size() && formula[i + 1] == '"') {
      quoted += '"';
      ++i;
    } else {
      break;
    }
  }
  if (formula.compare(i, std::string::npos, "\")") != 0) {
    *why = "the formula must end with \")";
    return false;
  }
  if (!ToBytes(quoted, parameter)) {
    *why = "the text holds a character the plug-in cannot take";
    return false;
  }
  return true;
}

std::string Json(const std::string& bytes) {
  std::string out = "\"";
  for (unsigned char ch : bytes) {
    char escaped[8];
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += static_cast<char>(ch);
    } else if (ch == '\r') {
      out += "\\r";
    } else if (ch == '\n') {
      out += "\\n";
    } else if (ch < 0x20 || ch >= 0x7F) {
      std::snprintf(escaped, sizeof escaped, "\\u%04x", ch);
      out += escaped;
    } else {
      out += static_cast<char>(ch);
    }
  }
  return out + "\"";
}

// A result as prose quotes it: on one line, carriage returns as ¶.
std::string InlineResult(const std::string& result) {
  std::string out;
  for (char ch : result) {
    if (ch == '\r') out += kPilcrow;
    else out += ch;
  }
  return out;
}

bool IsWordChar(char ch) { return std::isalnum(static_cast<unsigned char>(ch)) || ch == '-' || ch == '\''; }

// The verbs that state an answer, each followed by one blank.
const char* const kAnswerVerbs[] = {"gives ",   "give ",   "is ",         "are ",        "answers ",
                                    "answer ",  "returns ", "becomes ",   "formats as ", "written as "};

struct ProseUnit {
  int line;
  int section;
  std::string text;
};

// Headings, before a line: the section a line stands in.
std::vector<int> SectionsOfLines(const std::vector<std::string>& lines) {
  std::vector<int> sections(lines.size() + 2, 0);
  int section = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (StartsWith(lines[i], "#")) ++section;
    sections[i + 1] = section;
  }
  sections[lines.size() + 1] = section;
  return sections;
}

// Paragraphs, list items, headings and table rows outside code and comments.
std::vector<ProseUnit> ProseUnits(const std::vector<std::string>& lines, const std::vector<int>& sections) {
  std::vector<ProseUnit> units;
  bool fenced = false;
  bool comment = false;
  bool open = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const int number = static_cast<int>(i) + 1;
    if (StartsWith(line, "```")) {
      fenced = !fenced;
      open = false;
      continue;
    }
    if (fenced) continue;
    if (comment || StartsWith(line, "<!--")) {
      comment = line.find("-->") == std::string::npos;
      open = false;
      continue;
    }
    if (Blank(line) || StartsWith(line, "    ") || StartsWith(line, "\t") || StartsWith(line, "<a id=")) {
      open = false;
      continue;
    }
    size_t lead = 0;
    while (lead < line.size() && line[lead] == ' ') ++lead;
    const std::string body = line.substr(lead);
    const bool starts = body[0] == '#' || body[0] == '|' || StartsWith(body, "- ") || StartsWith(body, "* ") ||
                        (std::isdigit(static_cast<unsigned char>(body[0])) && body.find(". ") < 4);
    if (!open || starts) {
      units.push_back({number, sections[number], body});
    } else {
      units.back().text += " " + body;
    }
    open = body[0] != '#' && body[0] != '|';
  }
  return units;
}

// Sentences of a unit: cut at ". ", "; ", ": " and table bars outside
// backquoted text.
std::vector<std::string> Sentences(const std::string& text) {
  std::vector<std::string> out;
  std::string current;
  bool code = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch == '`') code = !code;
    const bool end = !code && (ch == '|' || ((ch == '.' || ch == ';' || ch == ':') &&
                                              (i + 1 == text.size() || text[i + 1] == ' ')));
    if (end) {
      out.push_back(current);
      current.clear();
    } else {
      current += ch;
    }
  }
  out.push_back(current);
  return out;
}

bool Backs(const PageExample& example, const std::string& answer, const std::string& input) {
  std::string formulas;
  for (const PageCall& call : example.calls) {
    formulas += call.formula + "\n";
    if (!call.checked || call.noResult || call.resultLength >= 0 || InlineResult(call.result) != answer) continue;
    if (input.empty() || formulas.find(input) != std::string::npos ||
        InlineResult(call.parameter).find(input) != std::string::npos)
      return true;
  }
  return false;
}

}  // namespace

ParsedPage ParsePageExamples(const std::string& text) {
  ParsedPage page;
  const std::vector<std::string> lines = Lines(text);
  PageExample current;
  bool noMemory = false;
  bool inAnswer = false;
  bool fenced = false;
  auto error = [&page](int line, const std::string& what) { page.errors.push_back(std::to_string(line) + ": " + what); };
  auto finish = [&](int line) {
    if (noMemory) error(line, "no formula follows the line on memory");
    if (!current.calls.empty()) page.examples.push_back(current);
    else if (current.emptyTimeSeparator) error(line, "no formula follows the dialog");
    current = PageExample();
    noMemory = false;
    inAnswer = false;
  };
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const int number = static_cast<int>(i) + 1;
    if (StartsWith(line, "```")) {
      finish(number);
      fenced = !fenced;
      continue;
    }
    if (fenced || !StartsWith(line, "    ")) {
      finish(number);
      continue;
    }
    const std::string content = line.substr(4);
    if (StartsWith(content, "Kelv-")) {
      PageCall call;
      std::string why;
      call.formula = content;
      call.line = number;
      call.noMemory = noMemory;
      noMemory = false;
      inAnswer = false;
      if (!ParseFormula(content, &call.name, &call.parameter, &why)) {
        error(number, why);
        continue;
      }
      if (current.calls.empty()) current.line = number;
      current.calls.push_back(call);
    } else if (StartsWith(content, "  => ")) {
      if (current.calls.empty() || current.calls.back().checked) {
        error(number, "an answer with no formula above it");
        continue;
      }
      PageCall& call = current.calls.back();
      call.checked = true;
      const std::string shown = content.substr(5);
      const size_t closing = shown.size() - std::strlen(kLengthClosing);
      if (shown == kNoResultText) {
        call.noResult = true;
      } else if (StartsWith(shown, kLengthOpening) && shown.size() > std::strlen(kLengthOpening) + std::strlen(kLengthClosing) &&
                 shown.compare(closing, std::string::npos, kLengthClosing) == 0) {
        const std::string digits = shown.substr(std::strlen(kLengthOpening), closing - std::strlen(kLengthOpening));
        if (digits.find_first_not_of("0123456789") != std::string::npos) error(number, "a length is a number");
        else call.resultLength = std::stoll(digits);
      } else if (shown != kEmptyText && !ToBytes(shown, &call.result)) {
        error(number, "the answer holds a character the plug-in cannot write");
      }
      inAnswer = !call.noResult && shown != kEmptyText && call.resultLength < 0;
    } else if (inAnswer && StartsWith(content, "     ")) {
      std::string more;
      if (!ToBytes(content.substr(5), &more)) error(number, "the answer holds a character the plug-in cannot write");
      current.calls.back().result += "\r" + more;
    } else if (content == kNoMemoryLine) {
      noMemory = true;
    } else if (content == kEmptyTimeSeparatorLine) {
      // The dialog's answer is the one of the defaults: only at the start.
      if (!current.calls.empty() || current.emptyTimeSeparator) error(number, "the dialog opens only first in an example");
      if (current.calls.empty()) current.line = number;
      current.emptyTimeSeparator = true;
    } else if (!current.calls.empty()) {
      error(number, "neither a formula nor its answer, in an example");
    } else {
      finish(number);  // another kind of indented text
    }
  }
  finish(static_cast<int>(lines.size()));
  return page;
}

std::string PageExamplesCase(const std::string& label, const std::vector<PageExample>& examples) {
  std::string text;
  for (const PageExample& example : examples) {
    text += "# " + label + ":" + std::to_string(example.line) + "\n";
    text += "{\"event\": \"init\"}\n=> {\"outcome\":\"init\",\"code\":4}\n";
    if (example.emptyTimeSeparator) text += std::string(kEmptyTimeSeparatorRequest) + kEmptyTimeSeparatorResponse;
    for (const PageCall& call : example.calls) {
      text += "{\"call\": " + Json(call.name) + ", \"param\": " + Json(call.parameter) + ", \"result_init\": \"kept\"";
      if (call.noMemory) text += ", \"memory_error\": true";
      text += "}\n";
      // Without memory every resize fails: the handle keeps the bytes it had.
      if (call.noMemory && call.noResult) text += "=> {\"outcome\":\"result\",\"result\":\"kept\"}\n";
      else if (!call.checked || call.noResult) text += "=> {\"outcome\":\"none\"}\n";
      else if (call.resultLength >= 0)
        text += "=> {\"outcome\":\"result\",\"result_length\":" + std::to_string(call.resultLength) + "}\n";
      else text += "=> {\"outcome\":\"result\",\"result\":" + Json(call.result) + "}\n";
    }
  }
  return text;
}

std::vector<UncheckedClaim> FindUncheckedClaims(const std::string& text, const std::vector<PageExample>& examples) {
  std::vector<UncheckedClaim> claims;
  const std::vector<std::string> lines = Lines(text);
  const std::vector<int> sections = SectionsOfLines(lines);
  for (const ProseUnit& unit : ProseUnits(lines, sections)) {
    for (const std::string& sentence : Sentences(unit.text)) {
      bool code = false;
      std::string input;  // the last backquoted text before the verb
      size_t inputStart = 0;
      for (size_t i = 0; i < sentence.size(); ++i) {
        if (sentence[i] == '`') {
          code = !code;
          if (code) inputStart = i + 1;
          else input = sentence.substr(inputStart, i - inputStart);
          continue;
        }
        if (code || (i > 0 && IsWordChar(sentence[i - 1]))) continue;
        for (const char* verb : kAnswerVerbs) {
          const size_t length = std::strlen(verb);
          if (sentence.compare(i, length, verb) != 0) continue;
          const size_t at = i + length;
          if (at >= sentence.size() || (sentence[at] != '`' && sentence[at] != '*')) continue;
          if (sentence.compare(at, 2, "**") == 0) continue;  // bold is emphasis, not an answer
          const char mark = sentence[at];
          const size_t close = sentence.find(mark, at + 1);
          if (close == std::string::npos) continue;
          const std::string answer = sentence.substr(at + 1, close - at - 1);
          bool backed = false;
          for (const PageExample& example : examples) {
            // With nothing quoted before the verb, only an example of the
            // same section backs the answer; registry examples (line 0) stand
            // for the whole manual.
            if (static_cast<size_t>(example.line) >= sections.size()) continue;
            if (input.empty() && example.line != 0 && sections[example.line] != unit.section) continue;
            if (Backs(example, answer, input)) {
              backed = true;
              break;
            }
          }
          if (!backed) claims.push_back({unit.line, sentence});
        }
      }
    }
  }
  return claims;
}

std::vector<PageExample> RegistryExamples() {
  std::vector<PageExample> examples;
  for (const FunctionEntry& entry : FunctionEntries()) {
    for (const FunctionExample& e : entry.examples) {
      PageExample example;
      if (e.setupName[0] != 0) {
        PageCall setup;
        setup.formula = FormulaText(e.setupName, e.setupParameter);
        setup.name = e.setupName;
        setup.parameter = e.setupParameter;
        example.calls.push_back(setup);
      }
      PageCall call;
      call.formula = FormulaText(entry.name, e.parameter);
      call.name = entry.name;
      call.parameter = e.parameter;
      call.checked = true;
      call.noResult = e.result == nullptr;
      if (e.result != nullptr) call.result = e.result;
      example.calls.push_back(call);
      examples.push_back(example);
    }
  }
  return examples;
}

namespace {

// Numbers written as words, two to twelve; "one" is too common an article.
const char* const kNumberWords[] = {"two", "three", "four", "five", "six",    "seven",
                                    "eight", "nine", "ten", "eleven", "twelve"};
// The units a measure is given in; plurals and other endings follow.
const char* const kUnits[] = {"character", "byte", "millisecond", "second", "minute",
                              "hour",      "day",  "month", "year", "item",       "line",   "field", "keyword"};
// Words that state a rule whatever their numbers.
// Words that state a rule whatever their numbers: how a value is read or
// counted, a rounding, a bound, what is kept and saved.
const char* const kRuleWords[] = {"always", "never", "rounded", "rounds",  "at most", "at least", "saved",
                                  "whatever", "no harm", "truncat", "dropped", "read",    "count as", "counts as",
                                  "kept", "keeps", "only", "is the month", "are the"};
const char kLimitsLink[] = "#limits)";
const char kNamedCase[] = "<!-- checked by ";

std::string Lower(const std::string& s) {
  std::string out = s;
  for (char& ch : out) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return out;
}

bool IsDigitChar(char ch) { return ch >= '0' && ch <= '9'; }

// Every run of digits of text, commas between digits joined: "65,535" is 65535.
void AddNumbers(const std::string& text, std::vector<std::string>* numbers) {
  for (size_t i = 0; i < text.size();) {
    if (!IsDigitChar(text[i])) {
      ++i;
      continue;
    }
    std::string digits;
    while (i < text.size() && (IsDigitChar(text[i]) || (text[i] == ',' && i + 1 < text.size() &&
                                                          IsDigitChar(text[i + 1]) && !digits.empty()))) {
      if (text[i] != ',') digits += text[i];
      ++i;
    }
    numbers->push_back(digits);
  }
}

// What backs a section's rules: its examples' numbers and texts.
struct SectionBacking {
  bool any = false;
  std::vector<std::string> numbers;
  std::string texts;  // formulas, parameters and answers, one per line
};

void AddExample(const PageExample& example, SectionBacking* backing) {
  for (const PageCall& call : example.calls) {
    backing->any = backing->any || call.checked;
    const std::string parameter = InlineResult(call.parameter), result = InlineResult(call.result);
    backing->texts += call.formula + "\n" + parameter + "\n" + result + "\n";
    AddNumbers(call.formula, &backing->numbers);
    AddNumbers(result, &backing->numbers);
    backing->numbers.push_back(std::to_string(call.parameter.size()));
    if (call.resultLength >= 0) backing->numbers.push_back(std::to_string(call.resultLength));
    else if (call.checked && !call.noResult) backing->numbers.push_back(std::to_string(call.result.size()));
  }
}

bool Holds(const std::vector<std::string>& numbers, const std::string& number) {
  for (const std::string& n : numbers) {
    if (n == number) return true;
  }
  return false;
}

// The numbers of a sentence's measures, outside backquotes: a number or a
// number word, then a unit.
std::vector<std::string> MeasuresOf(const std::string& prose) {
  std::vector<std::string> numbers;
  const std::string lower = Lower(prose);
  for (size_t i = 0; i < lower.size(); ++i) {
    if (i > 0 && (IsWordChar(lower[i - 1]) || lower[i - 1] == ',' || lower[i - 1] == '.')) continue;
    std::string number;
    size_t end = i;
    if (IsDigitChar(lower[i])) {
      while (end < lower.size() && (IsDigitChar(lower[end]) || (lower[end] == ',' && end + 1 < lower.size() &&
                                                                 IsDigitChar(lower[end + 1])))) {
        if (lower[end] != ',') number += lower[end];
        ++end;
      }
    } else {
      for (size_t w = 0; w < sizeof kNumberWords / sizeof kNumberWords[0]; ++w) {
        const size_t length = std::strlen(kNumberWords[w]);
        if (lower.compare(i, length, kNumberWords[w]) == 0 && (i + length == lower.size() || !IsWordChar(lower[i + length]))) {
          number = std::to_string(w + 2);
          end = i + length;
          break;
        }
      }
    }
    if (number.empty() || end >= lower.size() || lower[end] != ' ') continue;
    for (const char* unit : kUnits) {
      if (lower.compare(end + 1, std::strlen(unit), unit) == 0) {
        numbers.push_back(number);
        break;
      }
    }
  }
  return numbers;
}

// The sentence with its backquoted texts, and those in single asterisks,
// taken out into `quoted`.
std::string ProseOf(const std::string& sentence, std::vector<std::string>* quoted) {
  std::string prose;
  bool code = false;
  char mark = 0;
  std::string current;
  for (size_t i = 0; i < sentence.size(); ++i) {
    const char ch = sentence[i];
    const bool bold = ch == '*' && ((i + 1 < sentence.size() && sentence[i + 1] == '*') || (i > 0 && sentence[i - 1] == '*'));
    if ((ch == '`' || (ch == '*' && !bold)) && (!code || ch == mark)) {
      mark = ch;
      if (code) quoted->push_back(current);
      current.clear();
      code = !code;
      prose += ' ';
    } else if (code) {
      current += ch;
    } else {
      prose += ch;
    }
  }
  return prose;
}

bool HasRuleWord(const std::string& prose) {
  const std::string lower = Lower(prose);
  for (const char* word : kRuleWords) {
    const size_t at = lower.find(word);
    if (at != std::string::npos && (at == 0 || !IsWordChar(lower[at - 1]))) return true;
  }
  return false;
}

std::string Trimmed(const std::string& s) {
  size_t start = 0, end = s.size();
  while (start < end && s[start] == ' ') ++start;
  while (end > start && s[end - 1] == ' ') --end;
  return s.substr(start, end - start);
}

}  // namespace

std::vector<UncheckedClaim> FindUnbackedRules(const std::string& text, const std::vector<PageExample>& examples,
                                              const RuleBacking& backing) {
  std::vector<UncheckedClaim> rules;
  const std::vector<std::string> lines = Lines(text);
  const std::vector<int> sections = SectionsOfLines(lines);
  std::vector<SectionBacking> bySection(static_cast<size_t>(sections.back()) + 1);
  for (const PageExample& example : examples) {
    if (example.line > 0 && static_cast<size_t>(example.line) < sections.size())
      AddExample(example, &bySection[static_cast<size_t>(sections[example.line])]);
  }
  // A case the section names backs it as its examples would.
  for (size_t i = 0; i < lines.size(); ++i) {
    const size_t at = lines[i].find(kNamedCase);
    if (at != 0) continue;
    const size_t end = lines[i].find(" -->");
    const std::string path = lines[i].substr(std::strlen(kNamedCase), end == std::string::npos ? std::string::npos : end - std::strlen(kNamedCase));
    std::string cased;
    const int line = static_cast<int>(i) + 1;
    if (backing.readCase == nullptr || !backing.readCase(path, &cased)) {
      rules.push_back({line, "no case " + path});
      continue;
    }
    SectionBacking& section = bySection[static_cast<size_t>(sections[i + 1])];
    section.any = true;
    section.texts += cased;
    AddNumbers(cased, &section.numbers);
  }
  // The lines of the table of limits, made from the code's limits.
  std::vector<bool> inLimits(lines.size() + 2, false);
  for (size_t i = 0, open = 0; i < lines.size(); ++i) {
    if (StartsWith(lines[i], "<!-- limits:")) open = 1;
    if (StartsWith(lines[i], "<!-- /limits -->")) open = 0;
    inLimits[i + 1] = open != 0;
  }
  SectionBacking limits;
  limits.any = true;
  limits.texts = backing.limits;
  AddNumbers(backing.limits, &limits.numbers);

  for (const ProseUnit& unit : ProseUnits(lines, sections)) {
    for (const std::string& raw : Sentences(unit.text)) {
      const std::string sentence = Trimmed(raw);
      std::vector<std::string> quoted;
      const std::string prose = ProseOf(sentence, &quoted);
      const std::vector<std::string> measures = MeasuresOf(prose);
      if (measures.empty() && !HasRuleWord(prose)) continue;
      bool reviewed = false;
      for (const std::string& start : backing.reviewed) {
        if (!start.empty() && sentence.compare(0, start.size(), start) == 0) reviewed = true;
      }
      if (reviewed) continue;
      const SectionBacking& own = bySection[static_cast<size_t>(unit.section)];
      const bool linksLimits = sentence.find(kLimitsLink) != std::string::npos || inLimits[unit.line];
      SectionBacking quotedExamples = own;
      for (const std::string& q : quoted) {
        for (const PageExample& example : backing.quotable) {
          if (example.calls.back().formula == q) AddExample(example, &quotedExamples);
        }
      }
      const SectionBacking& mine = quotedExamples;
      bool backed = mine.any || linksLimits;
      for (const std::string& number : measures) {
        if (!Holds(mine.numbers, number) && !(linksLimits && Holds(limits.numbers, number))) backed = false;
      }
      for (const std::string& q : quoted) {
        if (mine.texts.find(q) == std::string::npos && !(linksLimits && limits.texts.find(q) != std::string::npos))
          backed = false;
      }
      if (!backed) rules.push_back({unit.line, sentence});
    }
  }
  return rules;
}
