// Paths between the plug-in's Windows form and the native file system: "\"
// and "/" swap, and the drive "C:" stands for the root.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

#include "PlatformApi.h"

// The native path of a Windows-form path; false for another drive.
bool NativePath(LPCSTR path, std::string* native);
// The Windows form of a native absolute path.
std::string WindowsPath(const std::string& native);
// Copies text into buffer as the Win32 calls do: the length on success, or
// the size needed (terminator included) when it does not fit.
DWORD CopyOutPath(const std::string& text, LPSTR buffer, DWORD size);
// Sets the last error from errno after a failed call on nativePath.
void SetErrorFromErrno(int error, const std::string& nativePath);
// The native path of this process's program file, unterminated, as readlink
// writes it: at most `size` bytes; answers the length, or -1 when unknown.
ssize_t ReadProgramPath(char* buffer, size_t size);
