// datetime.h - the calendar texts the engine shows and stores.
//
// The date reads like "05 Mar 2010" (two-digit day, English month
// abbreviation, four-digit year) and the time like "14:03:22" (24-hour), in
// every locale. The real backend passes the local time; the formatting is
// shared so both backends write the same shape.
#pragma once

#include <ctime>   // Required for: std::tm
#include <string>  // Required for: the texts

namespace platform {

std::string FormatDate(const std::tm& when);
std::string FormatTime(const std::tm& when);

}  // namespace platform
