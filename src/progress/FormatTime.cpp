#include "progress/FormatTime.h"

#include "platform/Failure.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace ov {

namespace {

// The host's conversion to a 32-bit whole number: halves to even, overflow outside the range.
int32_t whole(double v) {
    const double r = std::nearbyint(v);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw Failure(err::Overflow);
    return static_cast<int32_t>(r);
}

// Number format "00": at least two digits, a minus sign before them.
void appendPart(std::string& out, int32_t part) {
    char buf[16];
    std::snprintf(buf, sizeof buf, part < 0 ? "-%02d" : "%02d", part < 0 ? -part : part);
    out += buf;
}

} // namespace

std::string FormatTime(float seconds) {
    const double s = seconds;
    // C++ % truncates toward zero, so the remainder keeps the sign of the dividend.
    const int32_t hours = whole(std::floor(s / 3600)) % 24;
    const int32_t minutes = whole(std::floor(s / 60)) % 60;
    const int32_t secs = whole(s) % 60;
    std::string out;
    out.reserve(12);
    appendPart(out, hours);
    out += ':';
    appendPart(out, minutes);
    out += ':';
    appendPart(out, secs);
    return out;
}

} // namespace ov
