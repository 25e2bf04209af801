// Test seams of the native file stand-ins: make file calls fail on purpose,
// place the host program anywhere and give a disk of any size, so that tests can run the plug-in's
// file handling through every failure a disk can give.
//
// Every stand-in file or folder call (CreateFileA, ReadFile, WriteFile,
// SetFilePointer, FlushFileBuffers, CloseHandle, the attribute, delete,
// move, folder, listing and free-space calls, and the folder queries) counts
// as one call. A failing call changes nothing on disk, sets the last error
// (ERROR_READ_FAULT for reads, ERROR_WRITE_FAULT for writes, otherwise
// ERROR_GEN_FAILURE) and answers its failure value; a failing CloseHandle or
// FindClose still lets the handle go, as a handle is gone either way.
#pragma once

#include <cstdint>

enum class FileFaultMode {
  FromTheNthOn,  // the Nth call and every one after it fail: a lost disk
  NthOnly,       // the Nth call alone fails: a passing fault
};

// From now on, call N (1 for the next one) fails as `mode` says; 0 for none.
// Resets the count.
void InjectFileFaults(int64_t n, FileFaultMode mode);
// The file calls made since the last InjectFileFaults.
int64_t FileCallsMade();
// The stand-in handles (files and listings) open at this moment.
int64_t OpenStandInHandles();

// The native path GetModuleFileNameA answers from now on, instead of this
// process's executable; NULL goes back to the executable.
void SetStandInProgramPath(const char* nativePath);

// The figures GetDiskFreeSpaceA answers from now on, for every folder, as a
// disk far larger than the test machine's would give them; NULL goes back to
// the file system's own.
struct StandInDisk {
  uint32_t sectorsPerCluster, bytesPerSector, freeClusters, totalClusters;
};
void SetStandInDisk(const StandInDisk* disk);
