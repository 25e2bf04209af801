// The folder a file object stands in, as a string, for comparing in tests.
#pragma once

#include <string>

#include "file/TVXFile.h"

inline std::string FolderOf(TVXFile& file) {
  char folder[kFolderSize];
  file.GetFolder(folder);
  return folder;
}
