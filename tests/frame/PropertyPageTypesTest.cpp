// The property pages in the type library: every page a control lists can be created by name, and the
// published page classes are listed with their own GUIDs.
#include "frame/TypeLibrary.h"
#include "platform/PropertyPage.h"
#include "platform/Runtime.h"
#include "platform/TypeRegistry.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <set>
#include <string>

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
