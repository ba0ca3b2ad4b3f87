#include "frame/EntryPoints.h"

#include "frame/ClassFactory.h"
#include "frame/FrameFixture.h"
#include "platform/Font.h"
#include "platform/Object.h"
#include "platform/ProbeControl.h"
#include "platform/TypeRegistry.h"

#include <cctype>
#include <dlfcn.h>
#include <filesystem>
#include <optional>
#include <string>
#include <tuple>

namespace ovtest {

using ov::RegistryRoot;

namespace {

constexpr const char* kLibGuid = "{B955D87B-5A9E-49AD-B187-78EF53BBA4E7}";

std::string guidOf(const char* className) {
    const ov::ClassInfo* c = ov::TypeRegistry::instance().findClass(className);
    return c ? c->guid : std::string();
}

} // namespace

class EntryPointsTest : public FrameFixture {
protected:
    void SetUp() override { Probe::registerOnce(); } // a creatable class outside the library

    std::optional<std::string> value(const std::string& key, const std::string& name = "") {
        auto v = registry().queryValue(RegistryRoot::ClassesRoot, key, name);
        if (!v) return std::nullopt;
        EXPECT_EQ(v->type, ov::regType::String) << key;
        return v->bytes.substr(0, v->bytes.size() - 1);
    }
    bool key(const std::string& path) { return registry().keyExists(RegistryRoot::ClassesRoot, path); }
    static ov::ClassFactory* pagesFactory() {
        void* out = nullptr;
        EXPECT_EQ(DllGetClassObject("OvComCtl.CPages", &out), 0);
        return static_cast<ov::ClassFactory*>(out);
    }
};

TEST_F(EntryPointsTest, RegisterWritesProgramIdClassIdAndTypeLibraryKeysThroughUnmangledEntryPoints) {
    EXPECT_EQ(dlsym(RTLD_DEFAULT, "DllRegisterServer"), reinterpret_cast<void*>(&DllRegisterServer));
    EXPECT_EQ(dlsym(RTLD_DEFAULT, "DllUnregisterServer"), reinterpret_cast<void*>(&DllUnregisterServer));
    EXPECT_EQ(dlsym(RTLD_DEFAULT, "DllGetClassObject"), reinterpret_cast<void*>(&DllGetClassObject));
    EXPECT_EQ(dlsym(RTLD_DEFAULT, "DllCanUnloadNow"), reinterpret_cast<void*>(&DllCanUnloadNow));
    ASSERT_EQ(DllRegisterServer(), 0);

    // Two controls and a creatable class, registered but not as a control.
    for (const char* name : {"OvWizardTab", "OvWizardNavigator", "CPages"}) {
        const std::string id = guidOf(name), progId = std::string("OvComCtl.") + name;
        ASSERT_FALSE(id.empty()) << name;
        EXPECT_EQ(value(progId + "\\CLSID"), id) << name;
        EXPECT_EQ(value("CLSID\\" + id + "\\ProgID"), progId) << name;
        EXPECT_EQ(key("CLSID\\" + id + "\\Control"), name[0] == 'O') << name;
    }
    const std::string tab = guidOf("OvWizardTab");
    EXPECT_EQ(value("CLSID\\" + tab + "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_EQ(value("CLSID\\" + tab + "\\TypeLib"), kLibGuid);

    auto server = value("CLSID\\" + tab + "\\InprocServer32");
    ASSERT_TRUE(server);
    EXPECT_EQ(*server, ov::serverPath());
    std::filesystem::path file(*server);
    EXPECT_TRUE(file.is_absolute()) << *server;
    EXPECT_TRUE(std::filesystem::is_regular_file(file)) << *server;
    EXPECT_TRUE(file.filename().string().starts_with("libovcomctl")) << *server;

    // Hosts only receive CPage; classes outside the library are not the library's to register.
    EXPECT_FALSE(key("OvComCtl.CPage"));
    EXPECT_FALSE(key("CLSID\\" + guidOf("CPage")));
    EXPECT_FALSE(key("OvComCtlTest.Probe"));

    EXPECT_EQ(
        value(std::string("TypeLib\\") + kLibGuid + "\\" + ov::TypeRegistry::instance().library().version),
        "OvComCtl");
}

TEST_F(EntryPointsTest, UnregisterUndoesRegister) {
    registry().setString(RegistryRoot::ClassesRoot, "CLSID\\{00000000-0000-0000-0000-000000000001}", "",
                         "someone else's class");
    ASSERT_EQ(DllRegisterServer(), 0);
    ASSERT_EQ(DllRegisterServer(), 0) << "registering twice is harmless";
    ASSERT_EQ(DllUnregisterServer(), 0);

    for (const char* name : {"OvWizardTab", "OvWizardNavigator", "CPages"}) {
        EXPECT_FALSE(key(std::string("OvComCtl.") + name)) << name;
        EXPECT_FALSE(key("CLSID\\" + guidOf(name))) << name;
    }
    EXPECT_FALSE(
        key(std::string("TypeLib\\") + kLibGuid + "\\" + ov::TypeRegistry::instance().library().version));
    EXPECT_EQ(value("CLSID\\{00000000-0000-0000-0000-000000000001}"), "someone else's class");

    EXPECT_EQ(DllUnregisterServer(), 0) << "unregistering what is not registered is harmless";
    ASSERT_EQ(DllRegisterServer(), 0);
    EXPECT_EQ(value("OvComCtl.OvWizardTab\\CLSID"), guidOf("OvWizardTab")) << "and registering again works";
}

TEST_F(EntryPointsTest, ARegistryThatCannotBeWrittenRefusesRegistration) {
    class ReadOnlyRegistry : public ov::RegistryService {
    public:
        bool keyExists(RegistryRoot, std::string_view) const override { return false; }
        std::optional<ov::RegistryValue> queryValue(RegistryRoot, std::string_view,
                                                    std::string_view) const override {
            return std::nullopt;
        }
    };
    runtime.setRegistry(std::make_unique<ReadOnlyRegistry>());
    EXPECT_EQ(DllRegisterServer(), ov::hresult::RegisterClass);
    EXPECT_EQ(DllUnregisterServer(), ov::hresult::RegisterClass);
    EXPECT_FALSE(registry().keyExists(RegistryRoot::ClassesRoot, "OvComCtl.OvWizardTab"))
        << "nothing went to the in-memory registry either";
}

TEST_F(EntryPointsTest, ClassObjectsAreFoundByProgramIdOrClassIdAndMakeInstances) {
    const std::string tab = guidOf("OvWizardTab");
    std::string lowerBare = tab.substr(1, tab.size() - 2);
    for (auto& ch : lowerBare)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));

    for (const std::string& id :
         {std::string("OvComCtl.OvWizardTab"), std::string("ovcomctl.ovwizardtab"), tab, lowerBare}) {
        void* out = nullptr;
        ASSERT_EQ(DllGetClassObject(id.c_str(), &out), 0) << id;
        ASSERT_NE(out, nullptr) << id;
        auto* factory = static_cast<ov::ClassFactory*>(out);
        EXPECT_EQ(factory->classInfo().name, "OvWizardTab") << id;
        EXPECT_EQ(factory->Release(), 0u);
    }
    auto* factory = pagesFactory();
    ov::ObjectRef a = factory->CreateInstance();
    ov::ObjectRef b = factory->CreateInstance();
    ASSERT_NE(a, nullptr);
    EXPECT_NE(a, b) << "a new instance each time";
    EXPECT_EQ(a->typeName(), "CPages");
    EXPECT_EQ(a->get("Count").toInt32(), 0);
    EXPECT_EQ(factory->Release(), 0u);
}

TEST_F(EntryPointsTest, GetClassObjectRefusesWhatItCannotServe) {
    // No such class, one that is not creatable, one that is not the library's, no name, no GUID.
    void* out = nullptr;
    for (const char* id : {"OvComCtl.NoSuchThing", "OvComCtl.CPage", "OvComCtlTest.Probe", "", "{}"}) {
        out = reinterpret_cast<void*>(this);
        const int32_t result = DllGetClassObject(id, &out);
        EXPECT_EQ(std::tuple(result, out), std::tuple(ov::hresult::ClassNotAvailable, nullptr)) << id;
    }
    EXPECT_EQ(DllGetClassObject(nullptr, &out), ov::hresult::InvalidArg);
    EXPECT_EQ(DllGetClassObject("OvComCtl.CPages", nullptr), ov::hresult::Pointer);
}

TEST_F(EntryPointsTest, CanUnloadOnlyWhenNothingOfTheLibraryIsAliveTheStandardFontIncluded) {
    ASSERT_EQ(DllCanUnloadNow(), 0) << "nothing alive at the start; objects alive: "
                                    << ov::Object::liveCount();

    auto* factory = pagesFactory();
    EXPECT_EQ(DllCanUnloadNow(), 1) << "a class object is alive";
    EXPECT_EQ(factory->AddRef(), 2u);
    EXPECT_EQ(factory->Release(), 1u);
    EXPECT_EQ(DllCanUnloadNow(), 1) << "one reference is left";

    ov::ObjectRef pages = factory->CreateInstance();
    EXPECT_EQ(factory->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), 1) << "an instance is alive";
    pages.reset();
    EXPECT_EQ(DllCanUnloadNow(), 0);

    // Server locks, each sequence on a fresh class object released afterwards; one unlock too many is
    // ignored, so the lock taken after it holds.
    const std::pair<std::vector<bool>, int> locks[] = {
        {{true, true}, 1}, {{false}, 1}, {{false, false, true}, 1}, {{false}, 0}};
    for (const auto& [sequence, canUnload] : locks) {
        factory = pagesFactory();
        for (bool lock : sequence)
            factory->LockServer(lock);
        EXPECT_EQ(factory->Release(), 0u);
        EXPECT_EQ(DllCanUnloadNow(), canUnload) << sequence.size() << " lock calls";
    }
    // The standard font counts only while someone holds it.
    ov::FontRef held = ov::Font::standard();
    EXPECT_EQ(DllCanUnloadNow(), 1);
    held.reset();
    EXPECT_EQ(DllCanUnloadNow(), 0);
}

} // namespace ovtest
