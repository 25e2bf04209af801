// Writes what the function registry makes: the manual of the functions, the
// README's table and the end-to-end case of the manual's examples; with
// pages after the folder, also the case of those pages' checked examples,
// and each page with its table of limits made anew in the folder's pages/.
// With --claims, finds the statements of an answer and the rule sentences
// in the pages that nothing backs; ROOT is the checkout, which holds the
// reviewed sentences (tools/manual/claims-reviewed.txt) and the cases a
// page names.
//   generate-manual OUTPUT_DIR [PAGE...]
//   generate-manual --claims ROOT PAGE...
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "ManualText.h"
#include "PageExamples.h"
#include "host/FunctionIds.h"

namespace {

bool Write(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out);
}

bool Read(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  *text = all.str();
  return static_cast<bool>(in);
}

// A page, its table of limits made anew, and its examples; or false after
// telling what is wrong in it.
bool PageOf(const std::string& path, std::string* text, ParsedPage* page) {
  if (!Read(path, text)) {
    std::fprintf(stderr, "generate-manual: cannot read %s\n", path.c_str());
    return false;
  }
  *text = WithLimitsSection(*text);
  *page = ParsePageExamples(*text);
  for (const std::string& error : page->errors) std::fprintf(stderr, "%s:%s\n", path.c_str(), error.c_str());
  return page->errors.empty();
}

std::string root;

bool ReadCase(const std::string& path, std::string* text) {
  // A test, or a check the code makes on every build, within the checkout.
  return !path.empty() && path[0] != '/' && path.find("..") == std::string::npos && Read(root + "/" + path, text);
}

// The reviewed sentences: "PAGE: beginning of the sentence" a line, "#" a comment.
std::vector<std::string> ReviewedOf(const std::string& all, const std::string& page) {
  std::vector<std::string> starts;
  std::istringstream lines(all);
  std::string line;
  const std::string name = page.substr(page.find_last_of('/') + 1) + ": ";
  while (std::getline(lines, line)) {
    if (line.compare(0, name.size(), name) == 0) starts.push_back(line.substr(name.size()));
  }
  return starts;
}

int CheckClaims(int count, char** paths) {
  int unchecked = 0;
  std::string reviewed;
  if (!Read(root + "/tools/manual/claims-reviewed.txt", &reviewed)) {
    std::fprintf(stderr, "generate-manual: cannot read %s/tools/manual/claims-reviewed.txt\n", root.c_str());
    return 1;
  }
  RuleBacking rules;
  rules.limits = LimitsSection();
  rules.readCase = ReadCase;
  rules.quotable = RegistryExamples();
  for (int i = 0; i < count; ++i) {
    std::string text;
    ParsedPage page;
    if (!PageOf(paths[i], &text, &page)) return 1;
    std::vector<PageExample> backing = page.examples;
    for (const PageExample& example : RegistryExamples()) backing.push_back(example);
    for (const UncheckedClaim& claim : FindUncheckedClaims(text, backing)) {
      std::fprintf(stderr, "%s:%d: an answer no checked example gives:%s\n", paths[i], claim.line,
                   claim.sentence.c_str());
      ++unchecked;
    }
    rules.reviewed = ReviewedOf(reviewed, paths[i]);
    for (const UncheckedClaim& claim : FindUnbackedRules(text, page.examples, rules)) {
      std::fprintf(stderr, "%s:%d: a rule nothing backs: %s\n", paths[i], claim.line, claim.sentence.c_str());
      ++unchecked;
    }
  }
  if (unchecked != 0) return 1;
  std::printf("every answer the %d pages state is a checked example, and every rule they state is backed\n", count);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "--claims") == 0) {
    root = argv[2];
    return CheckClaims(argc - 3, argv + 3);
  }
  if (argc < 2) {
    std::fprintf(stderr, "usage: generate-manual OUTPUT_DIR [PAGE...]\n       generate-manual --claims ROOT PAGE...\n");
    return 2;
  }
  // Every function the host can call needs at least one tested example,
  // but the time stamps, whose answers are the clock's.
  for (const FunctionEntry& entry : FunctionEntries()) {
    const bool clock = entry.id >= kTimeStampFull && entry.id <= kTimeStampDate;
    if (entry.examples.empty() && !clock) {
      std::fprintf(stderr, "generate-manual: %s has no example\n", entry.name);
      return 1;
    }
  }
  std::string pagesCase =
      "# The checked examples of the manual's hand-written pages, each in a\n"
      "# session of its own preferences (an Init before each reloads the\n"
      "# defaults). Made from the pages by `make docs`; edit the pages, not this file.\n"
      "#! --manual\n";
  for (int i = 2; i < argc; ++i) {
    std::string text;
    ParsedPage page;
    if (!PageOf(argv[i], &text, &page)) return 1;
    pagesCase += PageExamplesCase(argv[i], page.examples);
    const std::string path = argv[i];
    const std::string made = std::string(argv[1]) + "/pages/" + path.substr(path.find_last_of('/') + 1);
    if (!Write(made, text)) {
      std::fprintf(stderr, "generate-manual: cannot write %s\n", made.c_str());
      return 1;
    }
  }
  const std::string dir = argv[1];
  if (!Write(dir + "/functions.md", FunctionsManual()) || !Write(dir + "/readme-table.md", ReadmeFunctionTable()) ||
      !Write(dir + "/manual_examples.jsonl", ExamplesCase()) ||
      (argc > 2 && !Write(dir + "/manual_pages.jsonl", pagesCase))) {
    std::fprintf(stderr, "generate-manual: cannot write into %s\n", dir.c_str());
    return 1;
  }
  return 0;
}
