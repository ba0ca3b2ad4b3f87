#pragma once

// The library's four server entry points, exported unmangled (C linkage, default visibility) so that a
// host can find them with dlsym() after dlopen()ing libovcomctl. Each answers a result code in the
// host's HRESULT form: 0 S_OK, 1 S_FALSE, negative values failures. They never throw.

#include <cstdint>
#include <string>

#define OVCOMCTL_EXPORT __attribute__((visibility("default")))

namespace ov::hresult {
inline constexpr int32_t Ok = 0;                                                // S_OK
inline constexpr int32_t False = 1;                                             // S_FALSE
inline constexpr int32_t Unexpected = static_cast<int32_t>(0x8000FFFFu);        // E_UNEXPECTED
inline constexpr int32_t Pointer = static_cast<int32_t>(0x80004003u);           // E_POINTER
inline constexpr int32_t InvalidArg = static_cast<int32_t>(0x80070057u);        // E_INVALIDARG
inline constexpr int32_t OutOfMemory = static_cast<int32_t>(0x8007000Eu);       // E_OUTOFMEMORY
inline constexpr int32_t ClassNotAvailable = static_cast<int32_t>(0x80040111u); // CLASS_E_CLASSNOTAVAILABLE
inline constexpr int32_t RegisterTypeLib = static_cast<int32_t>(0x80040200u);   // SELFREG_E_TYPELIB
inline constexpr int32_t RegisterClass = static_cast<int32_t>(0x80040201u);     // SELFREG_E_CLASS
} // namespace ov::hresult

namespace ov {

// The file the library was loaded from (absolute), as registration records it.
std::string serverPath();

} // namespace ov

extern "C" {

// Registers every creatable control and class of the library (TypeRegistry: the classes marked
// creatable, with a factory, under the library's program-id prefix) and its type library, in the
// current runtime's registry, below HKEY_CLASSES_ROOT:
//   <progid>                         (default) = class name
//   <progid>\CLSID                   (default) = {class GUID}
//   CLSID\{guid}                     (default) = class name
//   CLSID\{guid}\ProgID              (default) = <progid>
//   CLSID\{guid}\InprocServer32      (default) = serverPath(), ThreadingModel = "Apartment"
//   CLSID\{guid}\TypeLib             (default) = {type library GUID}
//   CLSID\{guid}\Version             (default) = type library version ("0.1")
//   CLSID\{guid}\Control             (controls only; an empty key)
//   TypeLib\{libguid}\<version>      (default) = "OvComCtl"
// Program ids are "OvComCtl.<class name>". S_OK; SELFREG_E_CLASS when the runtime's registry cannot be
// written (only the in-memory registry can) or a class has no GUID, and then nothing is written;
// SELFREG_E_TYPELIB when the type library has no GUID or version.
OVCOMCTL_EXPORT int32_t DllRegisterServer(void);

// Removes what DllRegisterServer writes: each class's program-id key and CLSID key (with everything
// below them) and the type library's version key. Keys already absent are no failure. The shared keys
// above them (CLSID, TypeLib\{libguid}) stay. S_OK, or SELFREG_E_CLASS when the registry cannot be
// written.
OVCOMCTL_EXPORT int32_t DllUnregisterServer(void);

// Hands out the class object (an ov::ClassFactory holding one reference, for the caller to Release)
// of the creatable class named by `classId`: a program id ("OvComCtl.OvWizardTab") or a class GUID
// ("{...}", braces optional), letter case ignored. `*classObject` is set to null first. E_POINTER for a
// null `classObject`, E_INVALIDARG for a null `classId`, CLASS_E_CLASSNOTAVAILABLE for an id that names
// no creatable class of the library.
OVCOMCTL_EXPORT int32_t DllGetClassObject(const char* classId, void** classObject);

// S_OK when the library may be unloaded: no object of the library is alive (the shared standard font,
// which the library keeps for itself, does not count while nobody else holds it), no class object is
// alive and the server is not locked; S_FALSE otherwise.
OVCOMCTL_EXPORT int32_t DllCanUnloadNow(void);

} // extern "C"
