// The checked examples of the hand-written pages of the manual, and the
// statements of an answer that stand outside them.
//
// An example has the form of those of docs/functions.md: an indented block
// of formulas, the answer of the last after "=>".
//
//     Kelv-TimePrefs("12|:|0")
//     Kelv-FormatTime("9:05")
//       => 9:05 AM
//
// A formula with no "=>" below it sets something up and must write no
// result. Each block of lines without a blank one runs in a session of its
// own under the default preferences. In a formula ¶ is a carriage return and
// ␊ a line feed; an answer of several lines stands one line below the other,
// "(no result: the field keeps what it had)" is no result,
// "(an empty text)" an empty one and "(a text of N bytes)" one of that
// length, too long to show. The line "[the host has no memory to
// give]" above a formula makes every request of memory of that call fail
// (its answer is then "(no result: the field keeps what it had)"), and the
// line "[in the preferences dialog: the time separator box emptied, then
// Ok]" first in an example works the dialog so before the formulas.
#pragma once

#include <string>
#include <vector>

struct PageCall {
  std::string formula;    // as the page writes it
  std::string name;
  std::string parameter;  // bytes, CR and LF in place of ¶ and ␊
  bool checked = false;   // an answer follows; otherwise no result is expected
  bool noResult = false;
  std::string result;     // bytes, lines separated by CR
  long long resultLength = -1;  // only the length is checked, when 0 or more
  bool noMemory = false;
  int line = 0;
};

struct PageExample {
  bool emptyTimeSeparator = false;  // the dialog's time separator box emptied first
  std::vector<PageCall> calls;
  int line = 0;
};

struct ParsedPage {
  std::vector<PageExample> examples;
  std::vector<std::string> errors;  // "LINE: what is wrong"
};

// The examples of a page's Markdown text.
ParsedPage ParsePageExamples(const std::string& text);

// The page's examples as an end-to-end case for kelvhost, each in a session
// of its own preferences; `label` names the page in the case's comments.
std::string PageExamplesCase(const std::string& label, const std::vector<PageExample>& examples);

// A statement in the prose of a page that gives an answer in quotes
// ("`12:30 am` gives `12:30 PM`") with no checked example to back it.
struct UncheckedClaim {
  int line;
  std::string sentence;
};

// The sentences of `text` whose verb (gives, is, are, answers, returns,
// becomes, writes, formats as) is followed by an answer in backquotes or
// asterisks that no example of `examples` gives: an example backs the
// sentence when its answer is that text and, where the sentence quotes
// something before the verb, its formulas hold that quoted text.
std::vector<UncheckedClaim> FindUncheckedClaims(const std::string& text, const std::vector<PageExample>& examples);

// What else may back a rule sentence of a page.
struct RuleBacking {
  std::string limits;  // the table of limits, for a sentence that links to it
  std::vector<std::string> reviewed;  // beginnings of sentences about the page itself, not the plug-in
  // The text of a test (or a check the code makes on every build) that a
  // section names in a comment "<!-- checked by PATH -->", PATH within the
  // checkout; false when there is none.
  bool (*readCase)(const std::string& path, std::string* text) = nullptr;
  // Examples a sentence may quote by their formula (the registry's).
  std::vector<PageExample> quotable;
};

// The sentences of `text` that state a rule of the plug-in, a measure (a
// number and its unit: "3 seconds", "six characters") or a rule word
// ("always", "never", "rounded", "at most", ...), and that nothing backs. A
// rule sentence is backed when its section holds a checked example, links
// to the table of limits or names a case, and every number of its measures
// and every text it quotes stands in those: a number as a number of a
// formula or an answer, or as the length of a parameter or an answer. A
// formula the sentence quotes brings its example's answer; the sentences
// of the table of limits stand on that table. The reviewed sentences are
// left alone.
std::vector<UncheckedClaim> FindUnbackedRules(const std::string& text, const std::vector<PageExample>& examples,
                                              const RuleBacking& backing);

// The function registry's examples in the same form, for the pages that
// state what docs/functions.md shows.
std::vector<PageExample> RegistryExamples();
