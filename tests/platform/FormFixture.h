#pragma once

#include "platform/Extender.h"
#include "platform/Form.h"
#include "platform/ProbeControl.h"
#include "platform/Runtime.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace ovtest {

// A fresh runtime per test, the probe control registered, and its journal emptied.
class FormFixture : public ::testing::Test {
protected:
    ov::Runtime runtime;

    void SetUp() override {
        Probe::registerOnce();
        Probe::journal().clear();
    }
    void TearDown() override { Probe::journal().clear(); }

    std::vector<std::string>& log() { return Probe::journal(); }
    // The journal so far, which starts again from none.
    std::vector<std::string> take() { return std::exchange(Probe::journal(), {}); }
    static std::shared_ptr<Probe> probe(const ov::ExtenderRef& e) { return e->controlAs<Probe>(); }
};

} // namespace ovtest
