// File faults injected in a loop, as a disk gives them: the Nth file call of
// the stand-ins fails, once or from then on, for N = 1, 2, ... until the work
// runs clean. The file object answers only its documented codes, lets no
// handle leak, and works again once the faults stop; the preference file is
// only ever what it was, or the whole record written by a save, and the
// plug-in never crashes (each start-up runs in a child process).
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "NativePaths.h"
#include "StandInFileFaults.h"
#include "TestHost.h"
#include "file/TVXFile.h"
#include "host/FunctionIds.h"
#include "prefs/DateTimePrefs.h"

namespace {

const FileFaultMode kModes[] = {FileFaultMode::FromTheNthOn, FileFaultMode::NthOnly};
const char* ModeName(FileFaultMode mode) { return mode == FileFaultMode::NthOnly ? "once" : "from then on"; }

std::string MakeTempFolder(const char* name) {
  char pattern[] = "/tmp/kelv-faults-XXXXXX";
  const char* made = mkdtemp(pattern);
  return made != nullptr ? std::string(made) + "/" + name : std::string();
}

void RemoveTree(const std::string& native) { std::system(("rm -rf '" + native + "'").c_str()); }

// Makes `native` the working folder while it lives. A file object whose
// folder could not be set works in the working folder, so a fault loop must
// never run where the tests were started.
class WorkingFolder {
 public:
  explicit WorkingFolder(const std::string& native) {
    if (getcwd(saved_, sizeof saved_) == nullptr) saved_[0] = 0;
    ok_ = chdir(native.c_str()) == 0;
  }
  ~WorkingFolder() {
    if (saved_[0] != 0 && chdir(saved_) != 0) std::perror("chdir back");
  }
  bool ok() const { return ok_; }

 private:
  char saved_[4096];
  bool ok_ = false;
};

bool Documented(int32_t code) { return code == kFileOk || (code >= 1001 && code <= 1007) || code == 1025; }

// Every operation of the file object once, in an order that gives each
// something to work on. Answers the codes the operations returned.
std::vector<int32_t> EveryOperation(TVXFile* file, const std::string& folder) {
  std::vector<int32_t> codes;
  char buffer[600];
  int32_t length = 0;
  TVXFileInfo info{};
  codes.push_back(file->SetFolder(folder.c_str()));
  file->SetName("data.bin");
  codes.push_back(file->Create());
  const int16_t exists = file->Exists();
  codes.push_back(exists == 1 || exists == 0 ? kFileOk : -1);
  codes.push_back(file->Open());
  codes.push_back(file->Write("0123456789", 10));
  file->Flush();
  codes.push_back(file->Seek('P', 2));
  const int32_t at = file->Tell();
  codes.push_back((at >= 0 && at <= 10) || Documented(at) ? kFileOk : -1);  // a position or a code
  length = 4;
  codes.push_back(file->Read(buffer, &length));
  codes.push_back(length >= 0 && length <= 4 ? kFileOk : -1);
  codes.push_back(file->Close());
  const int32_t size = file->GetSize();
  codes.push_back(size == 10 || size == -1 || size == 0 ? kFileOk : -1);
  codes.push_back(file->GetInfo(&info));
  info.flags = kInfoHidden;
  codes.push_back(file->SetInfo(&info));
  codes.push_back(file->Rename("renamed.bin"));
  codes.push_back(file->CreateFolder("sub"));
  codes.push_back(file->FindFirst());
  for (int i = 0; i < 8 && file->FindNext() == kFileOk; ++i) {
    file->GetFoundInfo(&info);
    TVXFile copy;
    file->CopyFoundTo(&copy);
  }
  file->GetFreeSpace();
  for (char kind : {'F', 'G', 'H', 'I', 'J', 'L', 'M'}) codes.push_back(file->SetSpecialFolder(kind));
  codes.push_back(file->SetFolder(folder.c_str()));
  file->SetName("where.loc");
  codes.push_back(file->Create());
  codes.push_back(file->Open());
  TVXFile place;
  codes.push_back(place.WriteLocation(file));
  codes.push_back(file->Seek('S', -kLocationSize));
  codes.push_back(place.ReadLocation(file));
  codes.push_back(file->Close());
  codes.push_back(file->Delete());
  codes.push_back(file->RemoveFolder("sub"));
  file->SetName("renamed.bin");
  codes.push_back(file->Delete());
  return codes;
}

TEST(FileFaults, EveryFileObjectOperation) {
  const std::string root = MakeTempFolder("");
  ASSERT_FALSE(root.empty());
  const WorkingFolder inRoot(root);
  ASSERT_TRUE(inRoot.ok());
  const int64_t handlesBefore = OpenStandInHandles();
  InjectFileFaults(0, FileFaultMode::FromTheNthOn);
  int64_t calls = 0;
  {
    const std::string native = root + "clean";
    ASSERT_EQ(mkdir(native.c_str(), 0777), 0);
    TVXFile file;
    for (int32_t code : EveryOperation(&file, WindowsPath(native))) EXPECT_EQ(code, kFileOk);
    calls = FileCallsMade();
  }
  ASSERT_GT(calls, 40);
  int runs = 0;
  for (FileFaultMode mode : kModes) {
    for (int64_t n = 1; n <= calls + 1; ++n) {
      const std::string native = root + std::to_string(runs++);
      ASSERT_EQ(mkdir(native.c_str(), 0777), 0);
      {
        TVXFile file;
        InjectFileFaults(n, mode);
        const std::vector<int32_t> codes = EveryOperation(&file, WindowsPath(native));
        for (size_t i = 0; i < codes.size(); ++i)
          EXPECT_TRUE(Documented(codes[i])) << "call " << n << " failing " << ModeName(mode) << ": step " << i
                                            << " answered " << codes[i];
        InjectFileFaults(0, mode);
        // The same object works again once the disk does.
        file.Close();
        ASSERT_EQ(file.SetFolder(WindowsPath(native).c_str()), kFileOk) << n << " " << ModeName(mode);
        file.SetName("after.bin");
        EXPECT_EQ(file.Create(), kFileOk) << "call " << n << " failing " << ModeName(mode);
        EXPECT_EQ(file.Open(), kFileOk) << "call " << n << " failing " << ModeName(mode);
        EXPECT_EQ(file.Write("x", 1), kFileOk) << "call " << n << " failing " << ModeName(mode);
        file.Close();
      }
      EXPECT_EQ(OpenStandInHandles(), handlesBefore) << "call " << n << " failing " << ModeName(mode);
    }
  }
  RemoveTree(root);
}

// --- the preference file ---------------------------------------------------

constexpr size_t kImage = sizeof(DateTimePrefsRecord);

std::string ImageOf(const DateTimePrefsRecord& record) {
  return std::string(reinterpret_cast<const char*>(&record), kImage);
}

// What the file holds: its bytes, or "missing".
std::string FileState(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "missing";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const char kDateChange[] = "DDMMYYYY|.|1";

// A host session in a child process with the program in `folder`: start-up,
// a change of the date preferences, shut-down, with file call `n` failing.
// Answers the child's exit status, or -1 when it did not end normally.
int HostSessionInChild(const std::string& folder, int64_t n, FileFaultMode mode, int64_t* calls) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    SetStandInProgramPath((folder + "/host.exe").c_str());
    InjectFileFaults(n, mode);
    TestHost host;
    host.Lifecycle(CallKind::Init);
    host.Call(kDatePrefs, kDateChange);
    host.Lifecycle(CallKind::Shutdown);
    const int64_t made = FileCallsMade();
    if (write(pipeEnds[1], &made, sizeof made) != sizeof made) _exit(3);
    _exit(0);
  }
  close(pipeEnds[1]);
  int status = 0;
  waitpid(child, &status, 0);
  int64_t made = 0;
  if (read(pipeEnds[0], &made, sizeof made) == sizeof made && calls != nullptr) *calls = made;
  close(pipeEnds[0]);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(FileFaults, PreferenceFileIsNeverTornNorLost) {
  // The images a session may leave: the defaults, a custom file, each with
  // the session's change.
  SetDefaultPrefs();
  const std::string defaults = ImageOf(DateTimePrefs);
  TestHost host;
  host.Call(kDatePrefs, kDateChange);
  const std::string defaultsChanged = ImageOf(DateTimePrefs);
  SetDefaultPrefs();
  DateTimePrefs.timeFormat = kTime24Hour;
  const std::string custom = ImageOf(DateTimePrefs);
  host.Call(kDatePrefs, kDateChange);
  const std::string customChanged = ImageOf(DateTimePrefs);
  SetDefaultPrefs();

  struct Scenario {
    const char* what;
    std::string start;  // "missing" or the file's bytes
    std::set<std::string> allowed;
  } scenarios[] = {
      // The first start: no file, an empty one Create made, the defaults, or
      // the defaults with the change saved at shut-down.
      {"first start", "missing", {"missing", "", defaults, defaultsChanged}},
      // A file of the user's: never replaced by the defaults, never torn.
      {"a custom file", custom, {custom, customChanged}},
  };
  const std::string root = MakeTempFolder("");
  ASSERT_FALSE(root.empty());
  int runs = 0;
  for (const Scenario& s : scenarios) {
    auto prepare = [&](const std::string& folder) {
      mkdir(folder.c_str(), 0777);
      if (s.start != "missing") std::ofstream(folder + "/DateTimePrefs.dtp", std::ios::binary) << s.start;
    };
    const std::string clean = root + std::to_string(runs++);
    prepare(clean);
    int64_t calls = 0;
    ASSERT_EQ(HostSessionInChild(clean, 0, FileFaultMode::FromTheNthOn, &calls), 0) << s.what;
    EXPECT_EQ(FileState(clean + "/DateTimePrefs.dtp"), s.start == "missing" ? defaultsChanged : customChanged)
        << s.what << ": the session without faults";
    ASSERT_GT(calls, 5) << s.what;
    for (FileFaultMode mode : kModes) {
      for (int64_t n = 1; n <= calls + 1; ++n) {
        const std::string folder = root + std::to_string(runs++);
        prepare(folder);
        EXPECT_EQ(HostSessionInChild(folder, n, mode, nullptr), 0)
            << s.what << ", call " << n << " failing " << ModeName(mode) << ": the host ended badly";
        const std::string after = FileState(folder + "/DateTimePrefs.dtp");
        EXPECT_EQ(s.allowed.count(after), 1u)
            << s.what << ", call " << n << " failing " << ModeName(mode) << ": the file holds " << after.size()
            << " bytes" << (after == defaultsChanged ? ", the defaults" : "");
      }
    }
  }
  RemoveTree(root);
}

// Flush of an open file asks the disk to write through, one call, and a
// fault at that call leaves the file open and working; Flush of a closed
// file makes no call. Close is that flush and then the close, and lets the
// handle go whichever of the two fails.
TEST(FileFaults, FlushWritesThroughAnOpenFileOnly) {
  const std::string root = MakeTempFolder("");
  ASSERT_FALSE(root.empty());
  TVXFile file;
  ASSERT_EQ(file.SetFolder(WindowsPath(root).c_str()), kFileOk);
  file.SetName("flush.bin");
  ASSERT_EQ(file.Create(), kFileOk);
  const int64_t handles = OpenStandInHandles();
  InjectFileFaults(0, FileFaultMode::NthOnly);
  file.Flush();
  EXPECT_EQ(FileCallsMade(), 0) << "Flush of a closed file";
  for (int64_t n : {0, 1}) {
    ASSERT_EQ(file.Open(), kFileOk);
    InjectFileFaults(n, FileFaultMode::NthOnly);
    file.Flush();
    EXPECT_EQ(FileCallsMade(), 1) << "Flush of an open file, call " << n << " failing";
    InjectFileFaults(0, FileFaultMode::NthOnly);
    EXPECT_EQ(file.Write("abc", 3), kFileOk) << "after a Flush with call " << n << " failing";
    EXPECT_EQ(file.Close(), kFileOk);
  }
  for (int64_t n : {0, 1, 2}) {
    ASSERT_EQ(file.Open(), kFileOk);
    InjectFileFaults(n, FileFaultMode::NthOnly);
    EXPECT_EQ(file.Close(), kFileOk);
    EXPECT_EQ(FileCallsMade(), 2) << "Close, call " << n << " failing: the flush and the close";
    EXPECT_EQ(OpenStandInHandles(), handles) << "Close, call " << n << " failing";
  }
  InjectFileFaults(0, FileFaultMode::NthOnly);
  file.Flush();
  EXPECT_EQ(FileCallsMade(), 0) << "Flush after Close";
  EXPECT_EQ(file.Delete(), kFileOk);
  RemoveTree(root);
}

// GetInfo with each of its file calls failing in turn: it answers a code,
// or success with the file's own name and size, never success with nothing
// filled in.
TEST(FileFaults, GetInfoAnswersACodeOrTheInfo) {
  const std::string root = MakeTempFolder("");
  ASSERT_FALSE(root.empty());
  TVXFile file;
  ASSERT_EQ(file.SetFolder(WindowsPath(root).c_str()), kFileOk);
  file.SetName("info.bin");
  ASSERT_EQ(file.Create(), kFileOk);
  ASSERT_EQ(file.Open(), kFileOk);
  ASSERT_EQ(file.Write("abc", 3), kFileOk);
  file.Close();
  int failures = 0;
  for (int64_t n = 1; n <= 6; ++n) {
    TVXFileInfo info{};
    InjectFileFaults(n, FileFaultMode::NthOnly);
    const int16_t code = file.GetInfo(&info);
    InjectFileFaults(0, FileFaultMode::NthOnly);
    if (code != kFileOk) {
      ++failures;
      EXPECT_TRUE(Documented(code)) << "call " << n << " failing: " << code;
      continue;
    }
    EXPECT_STREQ(info.name, "info.bin") << "call " << n << " failing";
    EXPECT_EQ(info.size, 3u) << "call " << n << " failing";
  }
  EXPECT_GE(failures, 2) << "the open and the query each fail once";
  EXPECT_EQ(file.Delete(), kFileOk);
  RemoveTree(root);
}

}  // namespace
