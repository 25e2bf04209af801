#include "RangeParameter.h"

#include "host/HostServices.h"
#include "host/Parameter.h"
#include "host/ResultWriters.h"

bool ReadRangeParameter(const ReadingSeparators& separators, HostHandle parameter, HostHandle result,
                        RangeKind kind, RangeParameter* range) {
  int32_t size;
  if (!RequireParameter(parameter, result, &size)) return false;
  const bool read = kind == RangeKind::TimesOnly
                        ? ParseTimeRange(separators, HandleData(parameter), size, range->prefix, range->suffix,
                                         &range->start, &range->end, &range->startAfterEnd)
                        : ParseTimeStampRange(separators, HandleData(parameter), size, range->prefix, range->suffix,
                                              &range->start, &range->end);
  if (!read) WriteErrorResult(result);
  return read;
}
