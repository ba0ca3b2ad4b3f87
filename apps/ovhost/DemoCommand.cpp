#include "Commands.h"

#include "platform/Runtime.h"
#include "platform/TypeRegistry.h"
#include "wizard/CPages.h"
#include "wizard/CWizardNavigator.h"
#include "wizard/WizardGlobals.h"

#include <iostream>

namespace ovhost {

int demoCommand(const Arguments& args) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out" && i + 1 < args.size())
            ++i; // pictures of the pages arrive with the renderer
    }
    ov::Runtime runtime;
    auto mediator = ov::subscribeWizardMediator();
    std::cout << "mediator: default button " << mediator->DefaultButton() << ", cancel button "
              << mediator->CancelButton() << "\n";
    for (int32_t pos = 1; pos <= 4; ++pos) {
        const auto& b = mediator->defaultSet(static_cast<ov::ovEn_Button_Position>(pos));
        std::cout << "  button " << pos << ": \"" << b.Caption << "\" rule " << b.Rule
                  << (b.Visible ? " visible" : " hidden") << "\n";
    }
    auto pages = ov::TypeRegistry::instance().create("OvComCtl.CPages");
    std::cout << "host-created CPages: Count = " << pages->get("Count").toInt32() << "\n";
    return 0;
}

} // namespace ovhost
