// The five preference functions: "Kelv-DatePrefs" and "Kelv-TimePrefs"
// (format|separator|zero-pad flag), "Kelv-MinuteIncrementPrefs" and
// "Kelv-HourIncrementPrefs" (a number as strtol reads it) and
// "Kelv-OverflowMessagePrefs" (the message, which also turns it on).
//
// They change the live preferences only (the file is written at shut-down)
// and write no result; an empty parameter, and a format parameter without a
// "|", answer "??" and change nothing.
//   Kelv-DatePrefs("DDMMYYYY|.|1")  -> 25.12.2001 from then on
//   Kelv-TimePrefs("24|:")          -> 24-hour, unpadded
#pragma once

#include <cstdint>

#include "host/CallBlock.h"

void SetDatePrefs(HostHandle parameter, HostHandle result);
void SetTimePrefs(HostHandle parameter, HostHandle result);
void SetMinuteIncrement(HostHandle parameter, HostHandle result);
void SetHourIncrement(HostHandle parameter, HostHandle result);
void SetOverflowMessage(HostHandle parameter, HostHandle result);
