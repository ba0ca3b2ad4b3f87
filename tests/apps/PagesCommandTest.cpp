// ovhost pages FORMFILE CONTROL --out DIR: refusals end as a message and a status; every library
// control that lists property pages has them rendered, one PNG each, named by position and class.
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "platform/TypeRegistry.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class PagesCommandTest : public ::testing::Test {
protected:
    ov::Runtime runtime;
    fs::path dir = fs::temp_directory_path() / ("ovhost-pages-" + std::to_string(getpid()));

    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    // ovhost pages with `args`: the exit status (-1 when it did not exit) and standard error.
    std::pair<int, std::string> pages(const std::string& args) {
        const fs::path err = dir / "stderr.txt";
        const std::string command = std::string("'") + OVHOST_PATH + "' pages " + args + " >/dev/null 2>'" +
                                    err.string() + "' </dev/null";
        const int raw = std::system(command.c_str());
        std::ostringstream text;
        text << std::ifstream(err).rdbuf();
        return {raw != -1 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text.str()};
    }
};

TEST_F(PagesCommandTest, RefusalsAreAMessageAndAStatus) {
    auto form = ov::Form::create("frmPages", ov::Mode::Design);
    form->add("OvHost.Label", "lblPlain");
    const std::string file = (dir / "frmPages.json").string();
    form->save(file);
    const std::string out = " --out '" + (dir / "out").string() + "'";
    struct Row {
        std::string args;
        int status;
        std::string message;
    };
    for (const Row& r :
         {Row{"'" + file + "'" + out, 2, "usage: ovhost pages FORMFILE CONTROL --out DIR\n"},
          Row{"'" + file + "' lblPlain", 2, "usage: ovhost pages FORMFILE CONTROL --out DIR\n"},
          Row{"'" + file + "' lblMissing" + out, 1, "ovhost: error 730: Control not found"},
          Row{"'" + file + "' lblPlain" + out, 1,
              "ovhost: error 5: Invalid procedure call or argument (Label has no property pages)\n"},
          Row{"'" + (dir / "none.json").string() + "' lblPlain" + out, 1, "ovhost: error "}}) {
        const auto [status, err] = pages(r.args);
        EXPECT_EQ(status, r.status) << r.args;
        EXPECT_EQ(err.substr(0, r.message.size()), r.message) << r.args;
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
        ASSERT_EQ(pages("'" + file + "' ctlEdited --out '" + out.string() + "'").first, 0) << cls.name;
        for (size_t i = 0; i < cls.propertyPages.size(); ++i) {
            const std::string png =
                (i < 9 ? "0" : "") + std::to_string(i + 1) + "-" + cls.propertyPages[i] + ".png";
            EXPECT_TRUE(fs::is_regular_file(out / png)) << cls.name << " " << png;
        }
    }
}

} // namespace
