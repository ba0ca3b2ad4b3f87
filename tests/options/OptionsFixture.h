#pragma once

#include "options/OptionListText.h"
#include "options/OvOptionPage.h"
#include "options/OvTreeBase.h"
#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "platform/Runtime.h"
#include "platform/TreeView.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ovtest {

// A run-time options dialog as a host builds one: an OvTreeBase named Options, four option pages
// (indexes 1..4 in creation order) each with one of the host's labels on it, and the tree
//   General ─ View (1), Fonts (2);  Advanced ─ Network ─ Proxy (3), Security (4)
// given through AddNodes by name. Events of the tree control are logged with their arguments.
class OptionsFixture : public ::testing::Test {
protected:
    static constexpr const char* kTree = " \t_GENERAL\t0\tGeneral\t0\t\r\n"
                                         "_GENERAL\t_GENERAL\\VIEW\t1\tView\t1\r\n"
                                         "_GENERAL\t_GENERAL\\FONTS\t1\tFonts\t2\r\n"
                                         " \t_ADVANCED\t0\tAdvanced\t0\t\r\n"
                                         "_ADVANCED\t_ADVANCED\\NETWORK\t0\tNetwork\t0\t\r\n"
                                         "_ADVANCED\\NETWORK\t_ADVANCED\\NETWORK\\PROXY\t1\tProxy\t3\r\n"
                                         "_ADVANCED\t_ADVANCED\\SECURITY\t1\tSecurity\t4\r\n";

    ov::Runtime runtime;
    ov::FormRef form;
    ov::ExtenderRef options;
    std::shared_ptr<ov::OvTreeBase> base;
    std::vector<std::string> log;

    void build(ov::Mode mode = ov::Mode::Run, const char* tree = kTree) {
        form = ov::Form::create("frmOptions", mode);
        options = form->add("OvComCtl.OvTreeBase", "Options");
        base = options->controlAs<ov::OvTreeBase>();
        for (const char* name : {"View", "Fonts", "Proxy", "Security"}) {
            auto page = form->add("OvComCtl.OvOptionPage", std::string("pg") + name);
            page->let("Caption", name);
            auto label = form->add("OvHost.Label", std::string("lbl") + name);
            label->set("Container", ov::Variant(ov::ObjectRef(page)));
            label->let("Caption", std::string(name) + " settings");
        }
        for (const char* e : {"OKClick", "CancelClick", "HelpClick", "ApplyClick", "CustomClick"})
            options->on(e, [this, e](ov::Args&) { log.push_back(e); });
        options->on("BeforePageChange", [this](ov::Args& a) {
            log.push_back("Before " + a[0].toString() + " " + a[1].toString());
        });
        options->on("AfterPageChange", [this](ov::Args& a) {
            log.push_back("After " + a[0].toString() + " " + a[1].toString() + shownPages());
        });
        if (tree) {
            ov::Args args{ov::Variant(ov::DecodeOptions(tree))};
            options->call("AddNodes", args);
        }
        form->show();
    }
    ov::TreeView& tree() { return base->tvOptions(); }
    ov::Node& node(const std::string& key) { return *tree().nodes().Item(ov::Variant(key)); }
    void click(const std::string& key) { base->clickNode(key); }
    // The pages that show on `on` (the fixture's form unless given), " [pgView]".
    std::string shownPages(ov::Form* on = nullptr) {
        std::string s;
        for (const auto& e : (on ? on : form.get())->controls())
            if (e->typeName() == "OvOptionPage" && e->Visible()) s += " [" + e->Name() + "]";
        return s;
    }
    // Keys of the nodes carrying an image, with it: "_GENERAL:OPENEDFOLDER ...".
    std::string images() {
        std::string s;
        for (const auto& n : tree().nodes().items())
            if (!n->Image().empty()) s += (s.empty() ? "" : " ") + n->Key() + ":" + n->Image();
        return s;
    }
    const std::vector<ov::HeadlessMessageBox::Shown>& boxes() { return runtime.headlessMessageBox().shown(); }
};

} // namespace ovtest
