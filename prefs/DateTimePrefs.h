// The user's preferences: one process-wide record, whose byte image is also
// the preference file "DateTimePrefs.dtp", plus the two separator characters
// the parsers read.
#pragma once

#include "record/DateTimePrefsRecord.h"

extern DateTimePrefsRecord DateTimePrefs;

// The separators the parsers read; every change of the record's separators
// is copied here at once.
extern char activeTimeSeparator;
extern char activeDateSeparator;

extern const char kDefaultOverflowMessage[];

// Puts every preference to its default and copies the separators to the
// active separators. Bytes that belong to no field keep what they held.
void SetDefaultPrefs();
