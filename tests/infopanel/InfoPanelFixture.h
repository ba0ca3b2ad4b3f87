#pragma once

#include "infopanel/OvInfoItem.h"
#include "infopanel/TvrInfoPanel.h"
#include "platform/EmbeddedControl.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Runtime.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ovtest {

// A run-time form as a host builds it: a caption label of the host's own, then the panel "Stats" under
// it. The panel's Resize events go to `log`.
class InfoPanelFixture : public ::testing::Test {
protected:
    ov::Runtime runtime;
    ov::FormRef form;
    ov::ExtenderRef stats;
    std::shared_ptr<ov::TvrInfoPanel> panel;
    std::vector<std::string> log;
    ov::Connection resizeLink;

    void SetUp() override {
        form = ov::Form::create("frmStatus", ov::Mode::Run);
        form->Move(0, 0, 7500, 6000);
        form->add("OvHost.Label", "lblCaption")->let("Caption", "Job status");
        stats = form->add("OvComCtl.TvrInfoPanel", "Stats");
        stats->Move(120, 600);
        panel = stats->controlAs<ov::TvrInfoPanel>();
        resizeLink = stats->on("Resize", [this](ov::Args&) { log.push_back("Resize"); });
        form->show();
    }

    // The holder of line n (what the panel places) and the item control inside it.
    ov::EmbeddedControl& holder(int32_t n) {
        return panel->child<ov::EmbeddedControl>("ctlInfoItem(" + std::to_string(n) + ")");
    }
    ov::OvInfoItem& item(int32_t n) { return *holder(n).controlAs<ov::OvInfoItem>(); }
    static float tx() { return static_cast<float>(ov::Runtime::current().twipsPerPixelX()); }
};

} // namespace ovtest
