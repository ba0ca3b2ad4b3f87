// The type library as a host's tools read it: the property pages it lists and the members' help texts.
#include "frame/TypeLibrary.h"

#include "platform/PropertyPage.h"
#include "platform/Runtime.h"
#include "platform/TypeRegistry.h"

#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <string>

// Every page a control lists can be created by name, and the published page classes are listed with
// their own GUIDs.
TEST(PropertyPageTypesTest, ListedPagesExistAndPublishedPagesAreInTheTypeLibraryWithTheirGuids) {
    ov::Runtime runtime;
    const auto lib = nlohmann::json::parse(ov::typeLibraryJson());
    std::set<std::string> published, listed, guids;
    for (const auto& c : ov::TypeRegistry::instance().classes()) {
        if (c.info->kind == ov::ClassInfo::Kind::PropertyPage && c.info->published)
            published.insert(c.info->name);
        for (const auto& page : c.info->propertyPages) {
            const ov::ClassInfo* p = ov::TypeRegistry::instance().findClass(page);
            EXPECT_TRUE(p && p->kind == ov::ClassInfo::Kind::PropertyPage)
                << c.info->name << " lists " << page;
        }
    }
    for (const auto& type : lib["types"]) {
        EXPECT_TRUE(guids.insert(type["guid"].get<std::string>()).second) << type["name"];
        if (type["kind"] == "propertypage") {
            listed.insert(type["name"].get<std::string>());
            EXPECT_EQ(type["progid"], "OvComCtl." + type["name"].get<std::string>());
        }
    }
    EXPECT_EQ(listed, published);
    EXPECT_FALSE(listed.contains("StandardColor")) << "the platform's own pages are not the library's";
}

// The members that carry a help text show it, and no other member has any.
TEST(TypeLibraryHelpTextTest, OnlyThePagePlaceMembersCarryTheirHelpText) {
    ov::Runtime runtime;
    const auto lib = nlohmann::json::parse(ov::typeLibraryJson());
    std::map<std::string, std::string> found;
    for (const auto& type : lib["types"]) {
        if (!type.contains("members")) continue;
        for (const auto& m : type["members"]) {
            if (m.contains("helpstring"))
                found[type["name"].get<std::string>() + "." + m["name"].get<std::string>()] = m["helpstring"];
        }
    }
    EXPECT_EQ(found, (std::map<std::string, std::string>{
                         {"OvWizardTab.PageBack", "Return or set Previous Page Index"},
                         {"OvWizardTab.PageIndex", "Return or set this Page Index"},
                         {"OvWizardTab.PageMode",
                          "Return or Set (unable to Run Time) Page mode (Welcome Page or ...)"},
                         {"OvWizardTab.PageNext", "Return or set Next Page Index"},
                         {"OvWizardTab.PageState", "Return or set Page state (maximize or minimize)"},
                     }));
}
