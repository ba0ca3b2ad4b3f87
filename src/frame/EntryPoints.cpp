#include "frame/EntryPoints.h"

#include "frame/ClassFactory.h"
#include "frame/LibraryTypes.h"
#include "platform/Font.h"
#include "platform/Object.h"
#include "platform/RegistryService.h"
#include "platform/Runtime.h"
#include "platform/Text.h"
#include "platform/TypeRegistry.h"

#include <dlfcn.h>
#include <filesystem>
#include <new>
#include <system_error>
#include <vector>

namespace ov {

namespace {

constexpr RegistryRoot kRoot = RegistryRoot::ClassesRoot;
// The registry's unnamed value of a key.
constexpr const char* kDefault = "";

// Something whose address lies inside the library's own image.
const char g_anchor = 0;

// The classes hosts may create: creatable, with a factory, under the library's own program-id prefix.
std::vector<const TypeRegistry::ClassEntry*> serverClasses() {
    registerLibraryTypes();
    const TypeRegistry& r = TypeRegistry::instance();
    std::vector<const TypeRegistry::ClassEntry*> out;
    for (const auto& c : r.classes()) {
        if (c.info->creatable && c.factory && equalsNoCase(c.info->progIdPrefix, r.library().name))
            out.push_back(&c);
    }
    return out;
}

std::string clsidKey(const ClassInfo& info) {
    return "CLSID\\" + info.guid;
}

std::string typeLibKey(const LibraryInfo& lib) {
    return "TypeLib\\" + lib.guid + "\\" + lib.version;
}

// Only the in-memory registry can be written; a host that installs another registry service has
// registered the library by its own means.
HeadlessRegistry* writableRegistry() {
    return dynamic_cast<HeadlessRegistry*>(&Runtime::current().registry());
}

std::string bare(std::string_view guid) {
    if (guid.size() >= 2 && guid.front() == '{' && guid.back() == '}') guid = guid.substr(1, guid.size() - 2);
    return std::string(guid);
}

const TypeRegistry::ClassEntry* findServerClass(std::string_view id) {
    for (const TypeRegistry::ClassEntry* c : serverClasses()) {
        if (equalsNoCase(c->info->progId(), id) ||
            (!c->info->guid.empty() && equalsNoCase(bare(c->info->guid), bare(id))))
            return c;
    }
    return nullptr;
}

int32_t registerServer() {
    HeadlessRegistry* reg = writableRegistry();
    if (!reg) return hresult::RegisterClass;
    const auto classes = serverClasses();
    for (const auto* c : classes) {
        if (c->info->guid.empty()) return hresult::RegisterClass;
    }
    const LibraryInfo& lib = TypeRegistry::instance().library();
    if (lib.guid.empty() || lib.version.empty()) return hresult::RegisterTypeLib;

    const std::string path = serverPath();
    for (const auto* c : classes) {
        const ClassInfo& info = *c->info;
        const std::string progId = info.progId();
        const std::string clsid = clsidKey(info);
        reg->setString(kRoot, progId, kDefault, info.name);
        reg->setString(kRoot, progId + "\\CLSID", kDefault, info.guid);
        reg->setString(kRoot, clsid, kDefault, info.name);
        reg->setString(kRoot, clsid + "\\ProgID", kDefault, progId);
        reg->setString(kRoot, clsid + "\\InprocServer32", kDefault, path);
        // Every object of the library lives on the user-interface thread that made it.
        reg->setString(kRoot, clsid + "\\InprocServer32", "ThreadingModel", "Apartment");
        reg->setString(kRoot, clsid + "\\TypeLib", kDefault, lib.guid);
        reg->setString(kRoot, clsid + "\\Version", kDefault, lib.version);
        if (info.kind == ClassInfo::Kind::Control) reg->createKey(kRoot, clsid + "\\Control");
    }
    reg->setString(kRoot, typeLibKey(lib), kDefault, lib.name);
    return hresult::Ok;
}

int32_t unregisterServer() {
    HeadlessRegistry* reg = writableRegistry();
    if (!reg) return hresult::RegisterClass;
    for (const auto* c : serverClasses()) {
        reg->deleteKey(kRoot, c->info->progId());
        if (!c->info->guid.empty()) reg->deleteKey(kRoot, clsidKey(*c->info));
    }
    const LibraryInfo& lib = TypeRegistry::instance().library();
    if (!lib.guid.empty() && !lib.version.empty()) reg->deleteKey(kRoot, typeLibKey(lib));
    return hresult::Ok;
}

// The standard font is created once and kept by the library itself; it counts as alive only while
// someone besides that cache holds it.
int64_t objectsKeptByLibrary() {
    FontRef standard = Font::standard();
    return standard.use_count() <= 2 ? 1 : 0;
}

} // namespace

std::string serverPath() {
    Dl_info info{};
    if (dladdr(&g_anchor, &info) == 0 || !info.dli_fname) return {};
    std::error_code ec;
    std::filesystem::path p = std::filesystem::absolute(info.dli_fname, ec);
    return ec ? std::string(info.dli_fname) : p.lexically_normal().string();
}

} // namespace ov

extern "C" {

int32_t DllRegisterServer(void) {
    try {
        return ov::registerServer();
    } catch (...) {
        // A failure half-way leaves what was written; registering again completes it.
        return ov::hresult::RegisterClass;
    }
}

int32_t DllUnregisterServer(void) {
    try {
        return ov::unregisterServer();
    } catch (...) {
        return ov::hresult::RegisterClass;
    }
}

int32_t DllGetClassObject(const char* classId, void** classObject) {
    if (!classObject) return ov::hresult::Pointer;
    *classObject = nullptr;
    if (!classId) return ov::hresult::InvalidArg;
    try {
        const ov::TypeRegistry::ClassEntry* entry = ov::findServerClass(classId);
        if (!entry) return ov::hresult::ClassNotAvailable;
        *classObject = ov::ClassFactory::create(*entry->info, entry->factory);
        return ov::hresult::Ok;
    } catch (const std::bad_alloc&) {
        return ov::hresult::OutOfMemory;
    } catch (...) {
        return ov::hresult::Unexpected;
    }
}

int32_t DllCanUnloadNow(void) {
    try {
        // The library's own objects first: asking for them may create them.
        int64_t kept = ov::objectsKeptByLibrary();
        bool idle = ov::ClassFactory::outstanding() == 0 && ov::Object::liveCount() == kept;
        return idle ? ov::hresult::Ok : ov::hresult::False;
    } catch (...) {
        return ov::hresult::False;
    }
}

} // extern "C"
