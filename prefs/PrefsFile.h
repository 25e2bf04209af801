// The preference file "DateTimePrefs.dtp" beside the host's program file:
// the 280-byte image of DateTimePrefs, created with the defaults at the
// first start-up, read over the defaults at every start-up, written back at
// shut-down. Every failure is silent; the record keeps what it has.
#pragma once

// Creates the file object once and the file with the defaults when missing.
void OpenPrefsFile();
// Reads the file over the record (at most 280 bytes).
void LoadPrefs();
// Writes the record at the start of the file, if the file still exists and
// the last load could read it.
void SavePrefs();
