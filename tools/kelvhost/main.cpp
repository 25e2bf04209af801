// kelvhost: a stand-in for the database application that loads the plug-in,
// owns its call block and handle services, and lets a person or a test drive
// it from the command line.
//
//   kelvhost [--plugin PATH] info [--json]
//   kelvhost [--plugin PATH] [--raw] call FUNCTION [PARAMETER]
//   kelvhost [--plugin PATH] [--manual] run [FILE]
//   kelvhost help [FUNCTION | SUBCOMMAND]
#include <filesystem>
#include <fstream>
#include <iostream>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "ByteText.h"
#include "ManualText.h"
#include "NearestNames.h"
#include "PluginHost.h"
#include "PluginTexts.h"
#include "Session.h"

namespace {

// call's exit status.
constexpr int kResultWritten = 0;
constexpr int kErrorResultWritten = 1;  // the result is exactly "??"
constexpr int kUsageError = 2;          // also: the plug-in could not be loaded
constexpr int kNoResultWritten = 3;

// What each subcommand does at length, for kelvhost help SUBCOMMAND and
// SUBCOMMAND --help.
std::string InfoExplained() {
  return "Loads the plug-in and prints what the host reads from it: its name, description and\n"
         "option text, its version texts, and every function with its id and syntax. --json\n"
         "prints the same as one JSON object.\n";
}

std::string CallExplained() {
  return "Init, one external call of FUNCTION with PARAMETER, Shutdown: a host that starts, runs\n"
         "one calculation and quits. FUNCTION is a name as kelvhost info lists it, case ignored,\n"
         "or a decimal id (any 32-bit value), or " + std::string(kIdPastTheTable) + " for the first id no\n"
         "function has. The result is printed with each carriage return\n"
         "as a new line; --raw (before call) prints its exact bytes and nothing else. Message\n"
         "boxes are answered OK and shown on standard error as [caption] text.\n"
         "Exit status: " + std::to_string(kResultWritten) + " a result was written, " +
         std::to_string(kErrorResultWritten) + " the result is ??, " + std::to_string(kNoResultWritten) +
         " no result was written, " + std::to_string(kUsageError) +
         " a usage error or no plug-in.\n"
         "  kelvhost call Kelv-DiffDays '1/1/2001|1/3/2001'\n";
}

std::string RunExplained() {
  return "A session in JSON Lines: one request a line from FILE or standard input, one response\n"
         "a line on standard output, each with the request's line number. Init comes before\n"
         "the first request and Shutdown after the last, unless --manual (before run).\n"
         "Requests:\n"
         "  {\"call\": \"Kelv-DiffDays\", \"param\": \"1/1/2001|1/3/2001\"}  a call, by name or id\n"
         "      (or \"" + std::string(kIdPastTheTable) + "\", the first id no function has);\n"
         "      \"result_init\": the result's bytes before it, \"memory_error\": true fails every resize\n"
         "  {\"event\": \"init\", \"version\": 4}   {\"event\": \"idle\", \"level\": 0}   {\"event\": \"shutdown\"}\n"
         "  {\"event\": \"kind\", \"kind\": 2}     a raw call kind\n"
         "  {\"event\": \"wait\", \"ms\": 3100}     kelvhost sleeps\n"
         "  {\"event\": \"preferences\", \"dialog\": [{\"click\": 7}, {\"type\": [9, \".\"]}, {\"click\": 1}]}\n"
         "Texts carry bytes as the code points U+0000..U+00FF. A line kelvhost cannot read is\n"
         "answered {\"line\": N, \"error\": ...}, the session goes on, and the exit status is " +
         std::to_string(kUsageError) + ".\n";
}

std::string HelpExplained() {
  return "kelvhost help: every function's syntax, by group. kelvhost help FUNCTION (a name,\n"
         "case ignored, or an id): that function's page of the manual. kelvhost help info, call,\n"
         "run or help: what that subcommand does. The manual needs no plug-in.\n";
}

int ShowInfo(const LoadedPlugin& plugin, const std::vector<FunctionName>& names, bool json) {
  const std::string name = PluginString(plugin, KELV_STRING_NAME);
  const std::string description = PluginString(plugin, KELV_STRING_DESCRIPTION);
  const std::string options = PluginString(plugin, KELV_STRING_OPTIONS);
  if (json) {
    nlohmann::ordered_json info;
    info["name"] = JsonTextFromBytes(name);
    info["description"] = JsonTextFromBytes(description);
    info["options"] = JsonTextFromBytes(options);
    nlohmann::ordered_json version;
    for (const char* key : {"FileVersion", "ProductVersion", "InternalName", "ProductName", "FileDescription"})
      version[key] = JsonTextFromBytes(PluginVersionValue(plugin, key));
    version["numeric"] = PluginVersionValue(plugin, "#");
    info["version"] = version;
    nlohmann::ordered_json functions = nlohmann::ordered_json::array();
    for (const FunctionName& f : names) {
      const FunctionEntry* entry = FindFunction(f.name);
      functions.push_back({{"id", f.id},
                           {"name", JsonTextFromBytes(f.name)},
                           {"syntax", entry != nullptr ? entry->syntax : ""}});
    }
    info["functions"] = functions;
    std::cout << info.dump(2, ' ', true) << "\n";
    return 0;
  }
  std::cout << name << " " << PluginVersionValue(plugin, "ProductVersion") << "\n"
            << description << "\n"
            << "options:      " << options << "\n"
            << "file version: " << PluginVersionValue(plugin, "FileVersion") << " ("
            << PluginVersionValue(plugin, "#") << ")\n"
            << "internal:     " << PluginVersionValue(plugin, "InternalName") << "\n"
            << "description:  " << PluginVersionValue(plugin, "FileDescription") << "\n"
            << "functions:\n";
  for (const FunctionName& f : names) {
    const FunctionEntry* entry = FindFunction(f.name);
    std::cout << (f.id < 10 ? "   " : "  ") << f.id << "  " << (entry != nullptr ? entry->syntax : f.name.c_str())
              << "\n";
  }
  std::cout << "(kelvhost help FUNCTION tells more of one)\n";
  return 0;
}

// The manual's section of one function, a subcommand's help, or the list of
// all the functions.
int ShowHelp(const CLI::App& app, const std::string& function) {
  if (function.empty()) {
    for (const FunctionGroup& group : FunctionGroups()) {
      std::cout << group.title << ": " << group.summary << "\n";
      for (const FunctionEntry& entry : FunctionEntries()) {
        if (&FunctionGroups()[static_cast<size_t>(entry.group)] == &group) std::cout << "  " << entry.syntax << "\n";
      }
    }
    std::cout << "\nkelvhost help FUNCTION (a name, case ignored, or an id) shows one in full;\n"
              << "kelvhost help info, call, run or help explains the subcommand.\n";
    return 0;
  }
  std::vector<std::string> known;
  for (const CLI::App* sub : app.get_subcommands({})) {
    if (sub->get_name() == function) {
      std::cout << sub->help("kelvhost");
      return 0;
    }
    known.push_back(sub->get_name());
  }
  const FunctionEntry* entry = FindFunction(function);
  if (entry == nullptr) {
    for (const FunctionEntry& e : FunctionEntries()) known.push_back(e.name);
    std::cerr << "kelvhost: " << UnknownFunctionMessage(known, function) << "\n";
    return kUsageError;
  }
  std::cout << FunctionSection(*entry);
  return 0;
}

int CallOnce(PluginHost& host, const std::vector<FunctionName>& names, const std::string& function,
             const std::string& parameter, bool raw) {
  int32_t id = 0;
  if (!LookUpFunction(names, function, &id)) {
    std::vector<std::string> known;
    for (const FunctionName& f : names) known.push_back(f.name);
    std::cerr << "kelvhost: " << UnknownFunctionMessage(known, function) << "\n";
    return kUsageError;
  }
  host.Init(4);
  CallOutcome outcome = host.ExternalCall(id, parameter, "", false);
  host.RawKind(CallKind::Shutdown);
  for (const MessageBoxSeen& box : outcome.messageBoxes) std::cerr << "[" << box.caption << "] " << box.text << "\n";
  if (outcome.damaged) {
    std::cerr << "kelvhost: the plug-in wrote outside the result handle\n";
    return kUsageError;
  }
  if (!outcome.resized) return kNoResultWritten;
  if (raw) {
    std::cout << outcome.result;
  } else {
    std::string shown = outcome.result;
    for (char& ch : shown) {
      if (ch == '\r') ch = '\n';
    }
    std::cout << shown << "\n";
  }
  std::cout.flush();
  return outcome.result == "??" ? kErrorResultWritten : kResultWritten;
}

}  // namespace

int main(int argc, char** argv) {
  UseBinaryStandardStreams();
  CLI::App app{"kelvhost: loads the Mevrin Date & Time plug-in and drives it"};
  app.require_subcommand(1);
  std::string pluginPath = DefaultPluginPath();
  bool raw = false;
  bool manual = false;
  app.add_option("--plugin", pluginPath, "the plug-in library to load");
  app.add_flag("--raw", raw, "call: print the result's exact bytes and nothing else");
  app.add_flag("--manual", manual, "run: no Init before and no Shutdown after the requests");

  CLI::App* info = app.add_subcommand("info", "the plug-in's name, version and functions");
  bool json = false;
  info->add_flag("--json", json, "as JSON");
  info->footer(InfoExplained());

  CLI::App* call = app.add_subcommand("call", "Init, one external call, Shutdown");
  std::string function;
  std::string parameter;
  call->add_option("FUNCTION", function, "a function name (case ignored) or a decimal id")->required();
  call->add_option("PARAMETER", parameter, "the parameter text (default empty)");
  call->footer(CallExplained());

  CLI::App* help = app.add_subcommand("help", "the manual of one function, the list of them, or a subcommand's help");
  std::string helpFunction;
  help->add_option("TOPIC", helpFunction, "a function name (case ignored), an id, or a subcommand");
  help->footer(HelpExplained());

  CLI::App* run = app.add_subcommand("run", "a JSON Lines session");
  std::string file;
  run->add_option("FILE", file, "the requests (default standard input)");
  run->footer(RunExplained());

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    int code = app.exit(e);
    return code == 0 ? 0 : kUsageError;
  }

  if (*help) return ShowHelp(app, helpFunction);  // the manual needs no plug-in

  LoadedPlugin plugin;
  std::string error;
  if (!LoadPlugin(pluginPath, &plugin, &error)) {
    std::cerr << "kelvhost: " << error << "\n";
    return kUsageError;
  }
  const std::vector<FunctionName> names = ReadFunctionNames(plugin);
  PluginHost host(plugin);
  int status = 0;
  if (*info) {
    status = ShowInfo(plugin, names, json);
  } else if (*call) {
    status = CallOnce(host, names, function, parameter, raw);
  } else {
    if (file.empty()) {
      status = RunSession(host, names, std::cin, std::cout, manual);
    } else {
      std::ifstream in(file, std::ios::binary);
      // A folder opens on some systems and then fails on the first read; with
      // libc++ (the web build) that first read even looks like an empty file.
      std::error_code notAFile;
      if (!in || (in.peek(), in.bad()) || std::filesystem::is_directory(file, notAFile)) {
        std::cerr << "kelvhost: cannot read " << file << "\n";
        UnloadPlugin(&plugin);
        return kUsageError;
      }
      status = RunSession(host, names, in, std::cout, manual);
    }
  }
  UnloadPlugin(&plugin);
  return status;
}
