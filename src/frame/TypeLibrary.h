#pragma once

#include <string>

namespace ov {

// The library's type library as JSON: the library's identity, then every published control, class,
// enumeration and record with its GUID, program id, members (DISPID, accesses, type, and
// "helpstring" for a member that has help text), events
// (DISPID, parameters, by-reference flags), enumeration values and record layout. Generated from
// the same declarations that late-bound calls use.
std::string typeLibraryJson(int indent = 2);

} // namespace ov
