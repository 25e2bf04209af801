#include "DateTimePrefs.h"

#include "text/VXString.h"

DateTimePrefsRecord DateTimePrefs;  // zero until start-up
char activeTimeSeparator = ':';
char activeDateSeparator = '/';

const char kDefaultOverflowMessage[] =
    "The date range specified is too large.\nSpecify a smaller date range and try again.";

void SetDefaultPrefs() {
  DateTimePrefs.timeFormat = kTime12Hour;
  DateTimePrefs.dateFormat = kDateMMDDYYYY;
  DateTimePrefs.timeSeparator = ':';
  DateTimePrefs.dateSeparator = '/';
  DateTimePrefs.minuteIncrement = 1;
  DateTimePrefs.hourIncrement = 1;
  DateTimePrefs.timeZeroPad = 1;
  DateTimePrefs.dateZeroPad = 1;
  DateTimePrefs.overflowMessageOn = 0;
  VXStrCopy(DateTimePrefs.overflowMessage, kDefaultOverflowMessage, 255);
  activeTimeSeparator = DateTimePrefs.timeSeparator;
  activeDateSeparator = DateTimePrefs.dateSeparator;
}
