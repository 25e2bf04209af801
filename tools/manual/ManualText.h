// The user's manual of the functions, rendered from the function
// registry: for the generated documentation, the README's table and
// kelvhost's help.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FunctionExample {
  const char* setupName;       // a call made first, or "" for none
  const char* setupParameter;
  const char* parameter;
  const char* result;          // nullptr: the function writes no result
};

struct FunctionEntry {
  int32_t id;
  const char* name;
  int group;
  const char* syntax;
  const char* parameter;
  const char* result;
  const char* errors;
  const char* preferences;
  std::vector<FunctionExample> examples;
};

struct FunctionGroup {
  const char* title;
  const char* summary;
};

const std::vector<FunctionEntry>& FunctionEntries();
const std::vector<FunctionGroup>& FunctionGroups();

// The function of that name (case ignored) or decimal id; nullptr when none.
const FunctionEntry* FindFunction(const std::string& nameOrId);

// An example as the user writes it in a formula: Kelv-DiffDays("1/1/2001|1/3/2001").
std::string FormulaText(const char* name, const char* parameter);

// The function's section of the manual, in Markdown.
std::string FunctionSection(const FunctionEntry& entry);
// Every function's section, grouped, with a contents list: docs/functions.md.
std::string FunctionsManual();
// The table of the plug-in's limits, with a checked example either side of
// each, from resources/PluginLimits.h: the part of a page between the
// markers "<!-- limits:" and "<!-- /limits -->".
std::string LimitsSection();
// The page's text with the limits table between its markers made anew;
// the text unchanged when it has none.
std::string WithLimitsSection(const std::string& page);
// The README's table of the functions, one row per group.
std::string ReadmeFunctionTable();
// Every example as an end-to-end case for kelvhost (JSON Lines with the
// expected responses).
std::string ExamplesCase();
