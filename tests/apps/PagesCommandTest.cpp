// ovhost pages FORMFILE CONTROL --out DIR: refusals end as a message and a status; every library
// control that lists property pages has them rendered, one PNG each, named by position and class.
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "platform/TypeRegistry.h"
#include "support/RunOvhost.h"
#include "support/TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

class PagesCommandTest : public ::testing::Test {
protected:
    ov::Runtime runtime;
    ovtest::TestFolder dir{"ovhost-pages"};

    // ovhost pages with `args`.
    ovtest::HostOutcome pages(std::vector<std::string> args) {
        args.insert(args.begin(), "pages");
        return ovtest::runOvhost(args, dir / "stderr.txt");
    }
};

TEST_F(PagesCommandTest, RefusalsAreAMessageAndAStatus) {
    auto form = ov::Form::create("frmPages", ov::Mode::Design);
    form->add("OvHost.Label", "lblPlain");
    const std::string file = (dir / "frmPages.json").string();
    form->save(file);
    const std::string out = (dir / "out").string();
    const std::string usage = "usage: ovhost pages FORMFILE CONTROL --out DIR\n";
    struct Row {
        std::vector<std::string> args;
        int status;
        std::string message;
    };
    for (const Row& r :
         {Row{{file, "--out", out}, 2, usage}, Row{{file, "lblPlain"}, 2, usage},
          Row{{file, "lblMissing", "--out", out}, 1, "ovhost: error 730: Control not found"},
          Row{{file, "lblPlain", "--out", out},
              1,
              "ovhost: error 5: Invalid procedure call or argument (Label has no property pages)\n"},
          Row{{(dir / "none.json").string(), "lblPlain", "--out", out}, 1, "ovhost: error "}}) {
        SCOPED_TRACE(::testing::PrintToString(r.args));
        const auto [status, err] = pages(r.args);
        EXPECT_EQ(status, r.status);
        EXPECT_EQ(err.substr(0, r.message.size()), r.message);
    }
}

TEST_F(PagesCommandTest, EveryPageOfEveryControlThatListsPagesIsRendered) {
    for (const auto& c : ov::TypeRegistry::instance().classes()) {
        const ov::ClassInfo& cls = *c.info;
        if (cls.kind != ov::ClassInfo::Kind::Control || cls.propertyPages.empty()) continue;
        auto form = ov::Form::create("frmPages", ov::Mode::Design);
        form->add(cls.progId(), "ctlEdited");
        const std::string file = (dir / (cls.name + ".json")).string();
        form->save(file);
        const fs::path out = dir / cls.name;
        ASSERT_EQ(pages({file, "ctlEdited", "--out", out.string()}).status, 0) << cls.name;
        for (size_t i = 0; i < cls.propertyPages.size(); ++i) {
            const std::string png =
                (i < 9 ? "0" : "") + std::to_string(i + 1) + "-" + cls.propertyPages[i] + ".png";
            EXPECT_TRUE(fs::is_regular_file(out / png)) << cls.name << " " << png;
        }
    }
}

} // namespace
