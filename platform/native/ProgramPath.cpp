// The program file of the native build: the executable the kernel started.
#include <unistd.h>

#include "NativePaths.h"

ssize_t ReadProgramPath(char* buffer, size_t size) {
  return readlink("/proc/self/exe", buffer, size);
}
