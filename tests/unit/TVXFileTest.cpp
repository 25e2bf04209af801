// The file object against the real file system of each build: Win32 under
// Wine, the stand-ins natively. Every test works in a folder of its own under
// the temporary folder.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "file/TVXFile.h"

namespace {

// Removes `folder` (a path ending in a backslash) with everything in it:
// files made writable first, folders emptied first.
void RemoveTree(const std::string& folder) {
  std::vector<std::string> folders;
  std::vector<TVXFileInfo> files;
  {
    TVXFile lister;
    if (lister.SetFolder(folder.c_str()) != kFileOk) return;
    if (lister.FindFirst() == kFileOk) {
      do {
        TVXFileInfo info{};
        lister.GetFoundInfo(&info);
        const std::string name = info.name;
        if (name == "." || name == "..") continue;
        if (info.flags & kInfoFolder) folders.push_back(name);
        else files.push_back(info);
      } while (lister.FindNext() == kFileOk);
    }
  }
  for (const std::string& name : folders) RemoveTree(folder + name + "\\");
  for (TVXFileInfo& info : files) {
    TVXFile victim;
    victim.SetFolder(folder.c_str());
    victim.SetName(info.name);
    info.flags = 0;  // writable again, so it can go
    victim.SetInfo(&info);
    victim.Delete();
  }
  // The folder goes from its parent; a listing elsewhere has ended the one above.
  const size_t cut = folder.find_last_of('\\', folder.size() - 2);
  TVXFile parent;
  parent.SetFolder(folder.substr(0, cut + 1).c_str());
  parent.RemoveFolder(folder.substr(cut + 1, folder.size() - cut - 2).c_str());
}

class TVXFileTest : public testing::Test {
 protected:
  // Every test works in a folder of its own under the temporary folder,
  // named for the test and the run, so that runs side by side, or one that
  // was stopped half-way, never meet.
  void SetUp() override {
    ASSERT_EQ(temp_.SetSpecialFolder('I'), kFileOk);
    folderName_ = std::string("kelv-file-") + testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
                  std::to_string(std::random_device{}() % 1000000);
    RemoveTree(Folder());
    ASSERT_EQ(temp_.CreateFolder(folderName_.c_str()), kFileOk);
    ASSERT_EQ(file_.SetFolder(Folder().c_str()), kFileOk);
  }
  void TearDown() override {
    file_.Close();
    file_.SetSpecialFolder('I');  // ends any listing in the folder
    RemoveTree(Folder());
  }
  std::string Folder() {
    char folder[kFolderSize];
    temp_.GetFolder(folder);
    return std::string(folder) + folderName_ + "\\";
  }
  void MakeFile(const char* name, const std::string& content) {
    TVXFile f;
    f.SetFolder(Folder().c_str());
    f.SetName(name);
    ASSERT_EQ(f.Create(), kFileOk);
    ASSERT_EQ(f.Open(), kFileOk);
    ASSERT_EQ(f.Write(content.data(), static_cast<int32_t>(content.size())), kFileOk);
    f.Close();
  }

  TVXFile temp_;
  TVXFile file_;
  std::string folderName_;
};

TEST(TVXFileFresh, ClosedObjectAnswersItsCodes) {
  TVXFile file;
  char folder[kFolderSize];
  file.GetFolder(folder);
  ASSERT_GT(std::strlen(folder), 0u);
  EXPECT_EQ(folder[std::strlen(folder) - 1], '\\') << "the current folder with a backslash";
  char buffer[8];
  int32_t length = 8;
  EXPECT_EQ(file.Open(), kFileNoName);
  EXPECT_EQ(file.Create(), kFileNoName);
  EXPECT_EQ(file.Read(buffer, &length), kFileNotFound);
  EXPECT_EQ(file.Write(buffer, 8), kFileNotFound);
  EXPECT_EQ(file.Seek('P', 0), kFileNotFound);
  EXPECT_EQ(file.Tell(), 0);
  EXPECT_EQ(file.FindNext(), kFileNotFound);
  EXPECT_EQ(file.Close(), kFileOk);
  EXPECT_EQ(file.Unsupported(), kFileInvalid);
  EXPECT_EQ(file.Unavailable(), kFileOtherError);
  EXPECT_EQ(file.NoOp(7), kFileOk);
  EXPECT_EQ(file.SetFolder(nullptr), kFileInvalid);
  char path[MAX_PATH] = "x";
  file.GetPath(path);
  EXPECT_STREQ(path, "") << "no name, no path";
}

// NULLs and negative lengths are refused with a code or ignored; none is
// followed.
TEST(TVXFileFresh, NullAndNegativeArguments) {
  TVXFile file;
  file.SetName("x");
  file.SetName(nullptr);
  char path[MAX_PATH] = "x";
  file.GetPath(path);
  EXPECT_STREQ(path, "") << "NULL empties the name";
  file.GetPath(nullptr);
  file.GetFolder(nullptr);
  file.CopyFoundTo(nullptr);
  file.SetName("x");
  EXPECT_EQ(file.Rename(nullptr), kFileInvalid);
  EXPECT_EQ(file.CreateFolder(nullptr), kFileInvalid);
  EXPECT_EQ(file.RemoveFolder(nullptr), kFileInvalid);
  std::string tooLong(MAX_PATH + 1, 'p');
  EXPECT_EQ(file.SetFolder(tooLong.c_str()), kFileInvalid);
}

TEST(TVXFileFresh, PlatformErrorsTranslate) {
  struct Case { DWORD error; int16_t code; } cases[] = {
      {0, kFileOk}, {2, kFileNotFound}, {3, kFileNotFound}, {18, kFileNotFound},
      {5, kFileReadError}, {30, kFileReadError}, {6, kFileInvalid}, {19, kFileWriteError},
      {29, kFileWriteError}, {183, kFileExists}, {80, kFileOtherError}, {32, kFileOtherError},
  };
  for (const Case& c : cases) EXPECT_EQ(TranslatePlatformError(c.error), c.code) << c.error;
}

TEST_F(TVXFileTest, ExistsCreateOpenReadWrite) {
  file_.SetName("data.bin");
  EXPECT_EQ(file_.Exists(), 0);
  int32_t length = 4;
  char buffer[300];
  EXPECT_EQ(file_.Read(buffer, &length), kFileNotFound) << "Exists leaves the object closed";
  ASSERT_EQ(file_.Create(), kFileOk);
  EXPECT_EQ(file_.Create(), kFileOtherError) << "the name exists already";
  EXPECT_EQ(file_.Exists(), 1);
  EXPECT_EQ(file_.Read(buffer, &length), kFileNotFound) << "still closed";

  ASSERT_EQ(file_.Open(), kFileOk);
  std::string hundred(100, 'a');
  ASSERT_EQ(file_.Write(hundred.data(), 100), kFileOk);
  EXPECT_EQ(file_.Tell(), 100);
  EXPECT_EQ(file_.Seek('P', 0), kFileOk);
  length = 280;
  EXPECT_EQ(file_.Read(buffer, &length), kFileOk);
  EXPECT_EQ(length, 100);
  length = 280;
  EXPECT_EQ(file_.Read(buffer, &length), kFileEndOfFile);
  EXPECT_EQ(length, 0);
  file_.Close();
  EXPECT_EQ(file_.GetSize(), 100);
}

TEST_F(TVXFileTest, OpenFileOperations) {
  MakeFile("open.bin", "abc");
  file_.SetName("open.bin");
  ASSERT_EQ(file_.Open(), kFileOk);
  EXPECT_EQ(file_.Exists(), 1) << "an open file exists";
  TVXFileInfo info{};
  ASSERT_EQ(file_.GetInfo(&info), kFileOk);
  EXPECT_EQ(info.size, 3u);
  char buffer[4];
  int32_t length = -1;
  EXPECT_EQ(file_.Read(buffer, &length), kFileReadError) << "a negative length";
  EXPECT_EQ(length, 0);
  EXPECT_EQ(file_.Write(buffer, -1), kFileWriteError) << "a negative length";
  length = 3;
  EXPECT_EQ(file_.Read(buffer, &length), kFileOk) << "GetInfo left the file open where it was";
  EXPECT_EQ(length, 3);
  file_.Close();
}

// The information names the file by its whole name, as long as names go
// that still leave room for the folder within a Windows path.
TEST_F(TVXFileTest, InfoHoldsTheWholeName) {
  const std::string name = std::string(136, 'n') + ".bin";
  MakeFile(name.c_str(), "abc");
  file_.SetName(name.c_str());
  TVXFileInfo info{};
  ASSERT_EQ(file_.GetInfo(&info), kFileOk);
  EXPECT_EQ(std::string(info.name), name);
}

TEST_F(TVXFileTest, SeekOrigins) {
  MakeFile("seek.bin", "0123456789abcdefghij");
  file_.SetName("seek.bin");
  file_.SetMode(kModeReadOnly);
  ASSERT_EQ(file_.Open(), kFileOk);
  struct Step { char origin; int32_t distance; int16_t code; int32_t at; } steps[] = {
      {'P', 15, kFileOk, 15}, {'R', 10, kFileOk, 5}, {'Q', 3, kFileOk, 8},
      {'S', -2, kFileOk, 18}, {'S', 0, kFileOk, 20}, {'X', 1, kFileInvalid, 20},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(file_.Seek(s.origin, s.distance), s.code) << s.origin << s.distance;
    EXPECT_EQ(file_.Tell(), s.at) << s.origin << s.distance;
  }
  EXPECT_NE(file_.Seek('R', 100), kFileOk) << "before the start of the file";
  char ch = 0;
  int32_t length = 1;
  file_.Seek('P', 10);
  EXPECT_EQ(file_.Read(&ch, &length), kFileOk);
  EXPECT_EQ(ch, 'a');
  file_.Close();
}

TEST_F(TVXFileTest, ReadOnlyModeAndAttributes) {
  MakeFile("ro.bin", "x");
  file_.SetName("ro.bin");
  TVXFileInfo info{};
  info.flags = 0xF0;
  ASSERT_EQ(file_.GetInfo(&info), kFileOk);
  EXPECT_STREQ(info.name, "ro.bin");
  EXPECT_EQ(info.size, 1u);
  EXPECT_EQ(info.flags & 0x0F, 0) << "a plain file";
  EXPECT_EQ(info.flags & 0xF0, 0xF0) << "bits 4 to 7 stay";
  EXPECT_GE(info.modified.year, 2020);

  info.flags = kInfoReadOnly;
  ASSERT_EQ(file_.SetInfo(&info), kFileOk);
  TVXFileInfo again{};
  ASSERT_EQ(file_.GetInfo(&again), kFileOk);
  EXPECT_EQ(again.flags & kInfoReadOnly, kInfoReadOnly);
  info.flags = kInfoFolder;
  EXPECT_EQ(file_.SetInfo(&info), kFileInvalid);
  info.flags = 0;
  ASSERT_EQ(file_.SetInfo(&info), kFileOk);
  ASSERT_EQ(file_.GetInfo(&again), kFileOk);
  EXPECT_EQ(again.flags & kInfoReadOnly, 0);

  // Mode 1 opens for reading only: a write through it fails.
  file_.SetMode(kModeReadOnly);
  ASSERT_EQ(file_.Open(), kFileOk);
  EXPECT_EQ(file_.Write("y", 1), kFileWriteError);
  file_.Close();
}

// Every mode up to 1 opens for reading only: a read-only file opens and a
// write through the open file fails; the modes above open for writing too.
TEST_F(TVXFileTest, ModesUpToReadOnlyOpenForReading) {
  MakeFile("plain.bin", "abc");
  MakeFile("locked.bin", "abc");
  TVXFile locked;
  ASSERT_EQ(locked.SetFolder(Folder().c_str()), kFileOk);
  locked.SetName("locked.bin");
  TVXFileInfo info{};
  ASSERT_EQ(locked.GetInfo(&info), kFileOk);
  info.flags = kInfoReadOnly;
  ASSERT_EQ(locked.SetInfo(&info), kFileOk);
  struct Case { int32_t mode; bool readOnly; } cases[] = {
      // The numbers themselves: callers pass 1 and 2, and stored values may hold any.
      {INT32_MIN, true}, {-1, true}, {0, true}, {1, true}, {2, false}, {3, false}, {INT32_MAX, false},
      {kModeReadOnly, true}, {kModeReadWrite, false},
  };
  for (const Case& c : cases) {
    file_.SetName("plain.bin");
    file_.SetMode(c.mode);
    ASSERT_EQ(file_.Open(), kFileOk) << c.mode;
    EXPECT_EQ(file_.Write("y", 1), c.readOnly ? kFileWriteError : kFileOk) << c.mode;
    file_.Close();
    // (Whether the modes above open it differs: Wine run by root lets them.)
    if (c.readOnly) {
      locked.SetMode(c.mode);
      EXPECT_EQ(locked.Open(), kFileOk) << c.mode << ": a read-only file opens for reading";
      locked.Close();
    }
  }
}

TEST_F(TVXFileTest, NamesAndFoldersAreBounded) {
  std::string longName(300, 'n');
  TVXFile root;
  root.SetSpecialFolder('G');
  char folder[kFolderSize];
  root.GetFolder(folder);
  root.SetName(longName.c_str());
  char path[MAX_PATH];
  root.GetPath(path);
  EXPECT_EQ(std::string(path), std::string(folder) + std::string(254, 'n')) << "the name keeps 254";

  // A folder and a name that together pass the path limit are refused.
  file_.SetName(longName.c_str());
  EXPECT_EQ(file_.Create(), kFileInvalid);
  EXPECT_EQ(file_.Open(), kFileInvalid);
  file_.GetPath(path);
  EXPECT_STREQ(path, "");
  TVXFileInfo info{};
  EXPECT_EQ(file_.Delete(), kFileInvalid);
  EXPECT_EQ(file_.SetInfo(&info), kFileInvalid);
  EXPECT_EQ(file_.Rename("short"), kFileInvalid);
  file_.SetName("short");
  EXPECT_EQ(file_.Rename(longName.c_str()), kFileInvalid);
  std::string deep(300, 'd');
  EXPECT_EQ(file_.SetFolder(deep.c_str()), kFileInvalid);
  EXPECT_EQ(file_.CreateFolder(deep.c_str()), kFileInvalid);
  EXPECT_EQ(file_.RemoveFolder(deep.c_str()), kFileInvalid);
}

// Folders one inside another under the test's folder, the last one's path
// exactly `length` characters long without its closing backslash, each
// named with `letter` repeated. They go
// again, deepest first, when the object does.
class DeepFolder {
 public:
  DeepFolder(const std::string& base, size_t length, char letter) {
    std::string parent = base;  // ends in a backslash
    while (parent.size() < length) {
      const size_t remaining = length - parent.size();
      const std::string name(remaining <= 120 ? remaining : 100, letter);
      TVXFile maker;
      if (maker.SetFolder(parent.c_str()) != kFileOk || maker.CreateFolder(name.c_str()) != kFileOk) return;
      made_.push_back({parent, name});
      parent += name + "\\";
    }
    path_ = parent.substr(0, parent.size() - 1);
  }
  ~DeepFolder() {
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) {
      TVXFile remover;
      remover.SetFolder(it->first.c_str());
      remover.RemoveFolder(it->second.c_str());
    }
  }
  const std::string& Path() const { return path_; }  // empty when it could not be made

 private:
  std::vector<std::pair<std::string, std::string>> made_;
  std::string path_;
};

TEST_F(TVXFileTest, PathsOfTheLimitsLength) {
  // A folder and a name of 259 characters together make a path; 260 do not.
  const std::string folder = Folder();
  const std::string fits(259 - folder.size(), 'p'), past(260 - folder.size(), 'q');
  file_.SetName(fits.c_str());
  EXPECT_EQ(file_.Create(), kFileOk);
  EXPECT_EQ(file_.Exists(), 1);
  char path[MAX_PATH];
  file_.GetPath(path);
  EXPECT_EQ(std::string(path), folder + fits);
  file_.SetName(past.c_str());
  EXPECT_EQ(file_.Create(), kFileInvalid);
  file_.GetPath(path);
  EXPECT_STREQ(path, "");
  int files = 0;
  if (file_.FindFirst() == kFileOk) {
    do {
      TVXFileInfo info{};
      file_.GetFoundInfo(&info);
      if (!(info.flags & kInfoFolder)) ++files;
    } while (file_.FindNext() == kFileOk);
  }
  EXPECT_EQ(files, 1) << "only the file of 259 characters was made";
}

TEST_F(TVXFileTest, FoldersOfTheLimitsLength) {
  // A folder keeps 259 characters with its backslash: one of 258 is taken,
  // one of 259 is refused however it is named.
  DeepFolder fits(Folder(), 258, 'f'), past(Folder(), 259, 'g');
  ASSERT_EQ(fits.Path().size(), 258u);
  char folder[kFolderSize];
  TVXFile f;
  EXPECT_EQ(f.SetFolder(fits.Path().c_str()), kFileOk);
  f.GetFolder(folder);
  EXPECT_EQ(std::string(folder), fits.Path() + "\\");
  EXPECT_EQ(f.SetFolder((fits.Path() + "\\").c_str()), kFileOk);
  f.GetFolder(folder);
  EXPECT_EQ(std::string(folder), fits.Path() + "\\");
  if (past.Path().empty()) return;  // a platform that cannot make it cannot be given it either
  ASSERT_EQ(past.Path().size(), 259u);
  EXPECT_EQ(f.SetFolder(past.Path().c_str()), kFileInvalid);
  EXPECT_EQ(f.SetFolder((past.Path() + "\\").c_str()), kFileInvalid);
  f.GetFolder(folder);
  EXPECT_EQ(std::string(folder), fits.Path() + "\\") << "a refused folder leaves the folder as it was";
  // A folder of 259 characters with its backslash leaves no room for the
  // listing's pattern: the listing is refused, not cut.
  EXPECT_EQ(f.FindFirst(), kFileInvalid);
}

TEST_F(TVXFileTest, SetFolder) {
  MakeFile("plain.txt", "x");
  ASSERT_EQ(file_.CreateFolder("sub"), kFileOk);
  EXPECT_EQ(file_.CreateFolder("sub"), kFileExists);
  char before[kFolderSize], after[kFolderSize];
  file_.GetFolder(before);
  EXPECT_EQ(file_.SetFolder("plain.txt"), kFileNoName) << "a file is no folder";
  file_.GetFolder(after);
  EXPECT_STREQ(after, before);
  EXPECT_EQ(file_.SetFolder("missing"), kFileNotFound);
  ASSERT_EQ(file_.SetFolder("sub\\"), kFileOk);
  file_.GetFolder(after);
  EXPECT_EQ(std::string(after), std::string(before) + "sub\\");
  ASSERT_EQ(file_.SetFolder(before), kFileOk) << "a path with a drive stands as it is";
  file_.GetFolder(after);
  EXPECT_STREQ(after, before);
  // A path that begins with a backslash stays on the folder's drive.
  std::string rooted(before + 2);
  ASSERT_EQ(file_.SetFolder(rooted.c_str()), kFileOk);
  file_.GetFolder(after);
  EXPECT_STREQ(after, before);
  EXPECT_EQ(file_.RemoveFolder("sub"), kFileOk);
  EXPECT_EQ(file_.RemoveFolder("sub"), kFileNotFound);
}

TEST_F(TVXFileTest, SpecialFolders) {
  TVXFile f;
  char folder[kFolderSize];
  f.SetName("x");
  EXPECT_EQ(f.SetSpecialFolder('H'), kFileOk);
  f.GetFolder(folder);
  std::string host(folder);
  ASSERT_FALSE(host.empty());
  EXPECT_EQ(host.back(), '\\');
  char path[MAX_PATH];
  f.GetPath(path);
  EXPECT_STREQ(path, "") << "choosing a folder forgets the name";
  f.SetName("DateTimePrefs.dtp");
  f.GetPath(path);
  EXPECT_EQ(std::string(path), host + "DateTimePrefs.dtp");

  for (char kind : {'F', 'I', 'M', 'G'}) {
    EXPECT_EQ(f.SetSpecialFolder(kind), kFileOk) << kind;
    f.GetFolder(folder);
    EXPECT_EQ(folder[std::strlen(folder) - 1], '\\') << kind;
  }
  EXPECT_EQ(f.SetSpecialFolder('K'), kFileNotFound) << "the recycle bin has no path";
  f.SetSpecialFolder('I');
  char temp[kFolderSize];
  f.GetFolder(temp);
  EXPECT_EQ(f.SetSpecialFolder('Z'), kFileOk);
  f.GetFolder(folder);
  EXPECT_STREQ(folder, temp) << "an unknown kind keeps the folder";
  EXPECT_GT(f.GetFreeSpace(), 0u);
}

TEST_F(TVXFileTest, ListingRenameDelete) {
  MakeFile("a.txt", "1");
  MakeFile("b.txt", "22");
  std::set<std::string> names;
  ASSERT_EQ(file_.FindFirst(), kFileOk);
  ASSERT_EQ(file_.FindNext(), kFileOk);
  ASSERT_EQ(file_.FindFirst(), kFileOk) << "a listing under way starts again";
  {
    // A folder gone since it was set lists nothing, and says so.
    ASSERT_EQ(file_.CreateFolder("gone"), kFileOk);
    TVXFile gone;
    ASSERT_EQ(gone.SetFolder((Folder() + "gone").c_str()), kFileOk);
    ASSERT_EQ(file_.RemoveFolder("gone"), kFileOk);
    EXPECT_NE(gone.FindFirst(), kFileOk);
  }
  int16_t code;
  do {
    TVXFileInfo info{};
    file_.GetFoundInfo(&info);
    names.insert(info.name);
    if (std::string(info.name) == "b.txt") {
      EXPECT_EQ(info.size, 2u);
      TVXFile copy;
      file_.CopyFoundTo(&copy);
      copy.SetMode(kModeReadOnly);
      EXPECT_EQ(copy.Open(), kFileOk) << "the found entry names a real file";
      copy.Close();
    }
    if (std::string(info.name) == ".") {
      EXPECT_EQ(info.flags & kInfoFolder, kInfoFolder);
    }
  } while ((code = file_.FindNext()) == kFileOk);
  EXPECT_EQ(code, kFileNotFound) << "after the last entry";
  EXPECT_EQ(file_.FindNext(), kFileNotFound);
  EXPECT_EQ(names.count("a.txt"), 1u);
  EXPECT_EQ(names.count("b.txt"), 1u);

  file_.SetName("a.txt");
  EXPECT_EQ(file_.Rename("b.txt"), kFileExists);
  EXPECT_EQ(file_.Rename("c.txt"), kFileOk);
  EXPECT_EQ(file_.Exists(), 1);
  file_.SetName("a.txt");
  EXPECT_EQ(file_.Exists(), 0);
  EXPECT_EQ(file_.Delete(), kFileNotFound);
  file_.SetName("c.txt");
  EXPECT_EQ(file_.Delete(), kFileOk);
  EXPECT_EQ(file_.Exists(), 0);
  TVXFile nameless;
  EXPECT_EQ(nameless.Rename("x"), kFileNoName);
}

// The answers of Windows itself, which the native stand-ins must give too.
TEST_F(TVXFileTest, WindowsAnswersForFilesInTheWay) {
  MakeFile("held.txt", "keep");
  MakeFile("plain.txt", "x");
  TVXFile holder;
  holder.SetFolder(Folder().c_str());
  holder.SetName("held.txt");
  holder.SetMode(kModeReadOnly);
  ASSERT_EQ(holder.Open(), kFileOk);
  file_.SetName("held.txt");
  EXPECT_EQ(file_.Delete(), kFileOtherError) << "another object holds it open";
  file_.SetName("held.txt");
  EXPECT_EQ(file_.Rename("moved.txt"), kFileOtherError) << "another object holds it open";
  holder.Close();

  file_.SetName("held.txt");
  EXPECT_EQ(file_.Rename("held.txt"), kFileOk) << "a rename onto itself";
  EXPECT_EQ(file_.Exists(), 1);
  EXPECT_EQ(file_.Create(), kFileOtherError) << "the name exists already";
  EXPECT_EQ(file_.GetSize(), 4) << "a refused Create leaves the content";

  EXPECT_EQ(file_.RemoveFolder("plain.txt"), kFileOtherError) << "a file is no folder";
  EXPECT_EQ(file_.RemoveFolder("nothing-here"), kFileNotFound);
}

TEST_F(TVXFileTest, ReadOnlyAndHiddenAttributes) {
  MakeFile("ro.txt", "x");
  file_.SetName("ro.txt");
  TVXFileInfo info{};
  info.flags = kInfoHidden;
  ASSERT_EQ(file_.SetInfo(&info), kFileOk);
  TVXFileInfo seen{};
  ASSERT_EQ(file_.GetInfo(&seen), kFileOk);
  EXPECT_EQ(seen.flags & 0x0F, kInfoHidden);
  info.flags = kInfoReadOnly;
  ASSERT_EQ(file_.SetInfo(&info), kFileOk);
  ASSERT_EQ(file_.GetInfo(&seen), kFileOk);
  EXPECT_EQ(seen.flags & 0x0F, kInfoReadOnly) << "hidden went, read-only came";
  EXPECT_EQ(file_.Delete(), kFileReadError) << "a read-only file is not deleted";
  file_.SetMode(kModeReadOnly);
  EXPECT_EQ(file_.Exists(), 1) << "in mode 1 a read-only file exists";
}

TEST_F(TVXFileTest, ShortAndDamagedLocations) {
  // A block cut inside the folder, one cut inside the name, and one whose
  // fields hold no terminator at all: every field ends within itself, at the
  // end of what arrived.
  const std::string f100(100, 'f');
  struct Case { int32_t bytes; char fill; int16_t code; size_t folderLength; std::string path; } cases[] = {
      {100, 'f', kFileEndOfFile, 100, f100 + "before"},
      {kFolderSize + 1 + 10, 'g', kFileOk, kFolderSize - 1, ""},
      {kLocationSize, 'h', kFileOk, kFolderSize - 1, ""},
  };
  for (const Case& c : cases) {
    MakeFile("loc.bin", std::string(static_cast<size_t>(c.bytes), c.fill));
    file_.SetName("loc.bin");
    file_.SetMode(kModeReadOnly);
    ASSERT_EQ(file_.Open(), kFileOk);
    TVXFile target;
    target.SetName("before");
    EXPECT_EQ(target.ReadLocation(&file_), c.code) << c.bytes;
    file_.Close();
    char folder[kFolderSize];
    target.GetFolder(folder);
    EXPECT_EQ(std::strlen(folder), c.folderLength) << c.bytes;
    char path[MAX_PATH] = "x";
    target.GetPath(path);
    EXPECT_EQ(std::string(path), c.path) << c.bytes << ": a path too long for the platform is empty";
    file_.SetMode(kModeReadWrite);
    ASSERT_EQ(file_.Delete(), kFileOk);
  }
}

// A name field with no terminator keeps its first 254 characters.
TEST_F(TVXFileTest, LocationNameWithoutTerminator) {
  std::string block = "C:\\";
  block.resize(kFolderSize + 1, '\0');
  block += std::string(kLocationSize - block.size(), 'n');
  MakeFile("name.loc", block);
  file_.SetName("name.loc");
  file_.SetMode(kModeReadOnly);
  ASSERT_EQ(file_.Open(), kFileOk);
  TVXFile target;
  EXPECT_EQ(target.ReadLocation(&file_), kFileOk);
  file_.Close();
  char path[MAX_PATH];
  target.GetPath(path);
  EXPECT_EQ(std::string(path), "C:\\" + std::string(kFileNameSize - 1, 'n'));
}

TEST_F(TVXFileTest, LocationsRoundTrip) {
  file_.SetName("where.loc");
  ASSERT_EQ(file_.Create(), kFileOk);
  ASSERT_EQ(file_.Open(), kFileOk);
  TVXFile source;
  source.SetSpecialFolder('I');
  source.SetName("remembered.name");
  ASSERT_EQ(source.WriteLocation(&file_), kFileOk);
  file_.Close();
  EXPECT_EQ(file_.GetSize(), kLocationSize);

  file_.SetMode(kModeReadOnly);
  ASSERT_EQ(file_.Open(), kFileOk);
  TVXFile target;
  ASSERT_EQ(target.ReadLocation(&file_), kFileOk);
  char a[MAX_PATH], b[MAX_PATH];
  source.GetPath(a);
  target.GetPath(b);
  EXPECT_STREQ(a, b);
  TVXFile more;
  EXPECT_EQ(more.ReadLocation(&file_), kFileEndOfFile) << "nothing left to read";
  file_.Close();
  EXPECT_EQ(source.WriteLocation(&file_), kFileNotFound) << "the other file is closed";
}

}  // namespace
