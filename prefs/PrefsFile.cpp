#include "PrefsFile.h"

#include <new>

#include "DateTimePrefs.h"
#include "file/TVXFile.h"

namespace {

const char kPrefsFileName[] = "DateTimePrefs.dtp";
constexpr int32_t kImageSize = static_cast<int32_t>(sizeof(DateTimePrefsRecord));

// Created at the first start-up in storage of its own and kept for the life
// of the library: it is never destroyed, and no allocation can fail for it.
alignas(TVXFile) unsigned char prefsFileStorage[sizeof(TVXFile)];
TVXFile* prefsFile = nullptr;

// Whether the last load read the file (an empty file included). A file the
// load could not read holds preferences this run never saw: the save must
// not put the defaults over them.
bool prefsFileRead = false;

void WritePrefsImage() {
  prefsFile->SetMode(kModeReadWrite);
  if (prefsFile->Open() == kFileOk) prefsFile->Write(&DateTimePrefs, kImageSize);
  prefsFile->Close();
}

}  // namespace

void OpenPrefsFile() {
  if (prefsFile != nullptr) return;
  prefsFile = new (prefsFileStorage) TVXFile;
  // The file belongs beside the host program only. Without that folder the
  // object keeps no name: loading and saving then do nothing, as for a file
  // that cannot be opened, and no stray file appears in the working folder.
  if (prefsFile->SetSpecialFolder(kHostProgramFolder) != kFileOk) return;
  prefsFile->SetName(kPrefsFileName);
  if (prefsFile->Exists()) return;
  if (prefsFile->Create() != kFileOk) return;
  SetDefaultPrefs();
  WritePrefsImage();
}

void LoadPrefs() {
  prefsFileRead = false;
  if (prefsFile == nullptr) return;
  prefsFile->SetMode(kModeReadOnly);
  if (prefsFile->Open() == kFileOk) {
    int32_t length = kImageSize;
    const int16_t code = prefsFile->Read(&DateTimePrefs, &length);
    prefsFileRead = code == kFileOk || code == kFileEndOfFile;
    if (code == kFileOk) {
      // A damaged file may lack the terminator: the message then ends within
      // its field. A message that ends earlier keeps every byte after it, so
      // the save writes back what the load read.
      char* message = DateTimePrefs.overflowMessage;
      const int32_t field = static_cast<int32_t>(sizeof DateTimePrefs.overflowMessage);
      int32_t end = 0;
      while (end < field && message[end] != 0) ++end;
      if (end == field) message[field - 1] = 0;
      activeTimeSeparator = DateTimePrefs.timeSeparator;
      activeDateSeparator = DateTimePrefs.dateSeparator;
    }
  }
  prefsFile->Close();
}

void SavePrefs() {
  if (prefsFile == nullptr || !prefsFileRead) return;
  WritePrefsImage();
}
