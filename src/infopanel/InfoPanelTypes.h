#pragma once

namespace ov {

class TypeRegistry;

// Adds the information panel's published types (TvrInfoPanel, InfoItem) and the library-internal
// item control, made by program id "OvComCtl.OvInfoItem" but left out of the type library.
void registerInfoPanelTypes(TypeRegistry& r);

} // namespace ov
