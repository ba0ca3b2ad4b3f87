// Help texts in the type library: the members that carry one show it, and no other member has any.
#include "frame/TypeLibrary.h"
#include "platform/Runtime.h"

#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

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
