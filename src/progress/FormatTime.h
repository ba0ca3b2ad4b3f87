#pragma once

#include <string>

namespace ov {

// A number of seconds as "hh:mm:ss": hours = floor(seconds / 3600) modulo 24, minutes =
// floor(seconds / 60) modulo 60, seconds rounded to the nearest whole number (halves to the even
// neighbour) modulo 60, each written with at least two digits. Hours and minutes are truncated but
// seconds rounded, so 59.5 gives "00:00:00" and 119.6 "00:01:00"; 90000 gives "01:00:00". The modulo
// keeps the sign of the dividend: -1 gives "-01:-01:-01". Failure 6 (overflow) when a part leaves the
// 32-bit range (or the value is not a number).
std::string FormatTime(float seconds);

} // namespace ov
