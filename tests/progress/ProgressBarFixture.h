#pragma once

#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "platform/PictureBox.h"
#include "platform/Runtime.h"
#include "progress/OvProgressBar.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace ovtest {

// A running form as a host has it: a status label above a progress bar "Bar" of the designed size.
class ProgressBarFixture : public ::testing::Test {
protected:
    ov::Runtime runtime;
    ov::FormRef form;
    ov::ExtenderRef ext;
    std::shared_ptr<ov::OvProgressBar> bar;

    ProgressBarFixture() {
        runtime.application().title = "Setup";
        form = ov::Form::create("frmCopy", ov::Mode::Run);
        form->Move(0, 0, 6000, 2000);
        form->add("OvHost.Label", "lblStatus")->Move(120, 120, 4275, 255);
        ext = form->add("OvComCtl.OvProgressBar", "Bar");
        ext->Move(120, 480);
        bar = ext->controlAs<ov::OvProgressBar>();
        ext->clearChangedKeys();
    }

    ov::PictureBox& box(const char* name) const { return bar->child<ov::PictureBox>(name); }
    const std::vector<ov::HeadlessMessageBox::Shown>& boxes() { return runtime.headlessMessageBox().shown(); }
};

} // namespace ovtest
