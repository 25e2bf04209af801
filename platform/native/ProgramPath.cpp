// The program file of the native build: the executable the kernel started.
#include <unistd.h>

#include "NativePaths.h"

long ReadProgramPath(char* buffer, size_t size) {
  return static_cast<long>(readlink("/proc/self/exe", buffer, size));
}
