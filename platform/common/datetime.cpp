// datetime.cpp - "05 Mar 2010" and "14:03:22" from a broken-down time.
//
// Written by hand rather than with strftime so the month names stay English
// whatever the locale, and out-of-range fields cannot overflow the text.
#include "platform/common/datetime.h"

#include <cstdio>  // Required for: std::snprintf

namespace platform {

namespace {

const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

std::string FormatDate(const std::tm& when) {
  int month = when.tm_mon >= 0 && when.tm_mon < 12 ? when.tm_mon : 0;
  char text[40];
  std::snprintf(text, sizeof text, "%02d %s %04d", when.tm_mday, kMonths[month],
                when.tm_year + 1900);
  return text;
}

std::string FormatTime(const std::tm& when) {
  char text[40];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", when.tm_hour, when.tm_min, when.tm_sec);
  return text;
}

}  // namespace platform
