// The native build's stand-in for the string and version resources: the
// native plug-in exports these two lookups, and a host program reads the
// plug-in's texts through them as a Windows host reads the resources.
#pragma once

extern "C" {

// Copies string resource `id` into buf (at most size - 1 bytes and a NUL);
// answers its length, or 0 when there is no such string (as LoadStringA).
typedef int (*StandInLoadStringProc)(unsigned id, char* buf, int size);
#define KELV_STANDIN_LOAD_STRING "KelvStandInLoadString"

// Copies the version block's value `key` ("FileVersion", ...) or, for the key
// "#", the numeric file version "a.b.c.d"; answers its length or 0.
typedef int (*StandInVersionValueProc)(const char* key, char* buf, int size);
#define KELV_STANDIN_VERSION_VALUE "KelvStandInVersionValue"

}
