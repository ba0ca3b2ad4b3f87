#include "platform/Extender.h"
#include "platform/FailureCapture.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/FormFileFixture.h"

#include <sys/stat.h>
#include <unistd.h>

namespace ovtest {
namespace {

using namespace ov;
using ov::test::failureText;

// A control no type registry knows.
class Stray : public UserControl {
    OV_OBJECT(Stray)
public:
    static void describe(ClassBuilder<Stray>&) {}
};

const ClassInfo& Stray::staticClass() {
    return buildClassInfo<Stray>([](ClassInfo& i) {
        i.kind = ClassInfo::Kind::Control;
        i.published = false;
        i.progIdPrefix = "OvComCtlTest";
    });
}

class FormFileSaveTest : public FormFileFixture {
protected:
    const std::string kOld = "the old form, byte for byte\n";

    // A form whose one control changed since it was loaded.
    FormRef changedForm() {
        auto f = Form::create("frmSave", Mode::Design);
        f->add(Sampler::kProgId, "One")->controlAs<Sampler>()->setValue("Count", int32_t{5});
        return f;
    }
};

TEST_F(FormFileSaveTest,
       SuccessReplacesTheFileKeepingItsPermissionsOrMakesOneReadableByAllAndMarksTheFormSaved) {
    const std::string path = pathOf("form.json");
    spit(path, kOld);
    ASSERT_EQ(chmod(path.c_str(), 0600), 0);
    auto f = changedForm();
    ASSERT_TRUE(f->needsSaving());
    ASSERT_FALSE(f->control("One")->changedKeys().empty());

    f->save(path);
    EXPECT_EQ(readAll(path), FormFile::write(*f, path));
    EXPECT_FALSE(f->needsSaving());
    EXPECT_TRUE(f->control("One")->changedKeys().empty());
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(listing(), std::vector<std::string>{"form.json"});
    // A new file is readable by all.
    changedForm()->save(pathOf("new.json"));
    ASSERT_EQ(stat(pathOf("new.json").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
}

// Every failing save leaves the old file as it was, no temporary file behind, and the form still
// needing to be saved.
TEST_F(FormFileSaveTest, FailingSaveLeavesTheOldFileUntouched) {
    // What spoils the form, how, and the failure it gives ("%" stands for the path).
    using Row = std::tuple<const char*, std::function<void(Form&)>, std::string>;
    std::shared_ptr<Memo> loop;
    struct BreakLoop {
        std::shared_ptr<Memo>& memo;
        ~BreakLoop() {
            if (memo) memo->next.reset();
        }
    } breakLoop{loop};
    const Row rows[] = {
        {"a control's write fails", [](Form&) { Sampler::failAt() = "One WriteProperties"; },
         "5 %: control One: sampler fails in WriteProperties"},
        {"an object that cannot be saved",
         [](Form& f) {
             f.control<Sampler>("One")->setValue("Tag", Variant(Form::create("frmX", Mode::Design)));
         },
         "380 Invalid property value: %: control One: property Tag: a Form object cannot be saved "
         "(its class is not Persistable)"},
        {"a record", [](Form& f) { f.control<Sampler>("One")->setValue("Tag", Variant::record(42)); },
         "380 Invalid property value: %: control One: property Tag: a record cannot be saved"},
        {"text that is not UTF-8", [](Form& f) { f.control<Sampler>("One")->setValue("Text", "caf\xE9"); },
         "380 Invalid property value: %: control One: property Text: the value is not UTF-8 text"},
        {"a control of a class no loader can create",
         [](Form& f) { f.add(std::make_shared<Stray>(), "Two"); },
         "380 Invalid property value: %: control Two: its class Stray has no program id a loader can create "
         "(OvComCtlTest.Stray)"},
        {"a note that holds itself",
         [&loop](Form& f) {
             loop = std::make_shared<Memo>();
             loop->next = loop;
             f.control<Sampler>("One")->setValue("Memo", loop);
         },
         "380 Invalid property value: %: control One: property Memo: property Next: property Next: "
         "property Next: property Next: property Next: property Next: property Next: property Next: "
         "property Next: property Next: property Next: property Next: property Next: property Next: "
         "property Next: property Next: objects nest more than 16 deep"},
        {"a form too wide to load again", [](Form& f) { f.setWidth(1000001); },
         "380 Invalid property value: %: form property Width must be from 0 to 1000000 to be saved"},
        {"a control placed too far", [](Form& f) { f.control("One")->setLeft(-2e9f); },
         "380 Invalid property value: %: control One: extender Left must be from -1000000000 to 1000000000 "
         "to be saved"},
        {"a font too large to load again",
         [](Form& f) {
             f.control<Sampler>("One")->setValue("Font",
                                                 std::const_pointer_cast<Font>(Font::create("Big", 4000)));
         },
         "380 Invalid property value: %: control One: property Font: the font size must be from 1 to 2048 "
         "to be saved"},
        {"a form name that is not an identifier", [](Form&) {},
         "380 Invalid property value: %: the form name 'frm Save' is not an identifier"},
    };
    for (const auto& [what, spoil, failure] : rows) {
        SCOPED_TRACE(what);
        const std::string path = pathOf("form.json");
        spit(path, kOld);
        auto f = std::string(what).starts_with("a form name") ? Form::create("frm Save", Mode::Design)
                                                              : changedForm();
        if (!f->findControl("One")) f->add(Sampler::kProgId, "One");
        spoil(*f);
        std::string expected = failure;
        expected.replace(expected.find('%'), 1, path);
        EXPECT_EQ(failureText([&] { f->save(path); }), expected);
        EXPECT_EQ(readAll(path), kOld);
        EXPECT_TRUE(f->needsSaving());
        EXPECT_EQ(listing(), std::vector<std::string>{"form.json"});
        Sampler::failAt().clear();
        if (auto one = f->findControl("One")) {
            one->controlAs<Sampler>()->setValue("Tag", Variant(nullptr));
            one->controlAs<Sampler>()->setValue("Memo", Variant(nullptr));
        }
    }
}

TEST_F(FormFileSaveTest, FileSystemFailuresAreReportedWithThePath) {
    const std::string longName(250, 'n');
    spit(pathOf(longName), kOld);
    std::filesystem::create_directory(pathOf("sub"));
    ASSERT_EQ(mkfifo(pathOf("fifo").c_str(), 0644), 0);
    const std::pair<std::string, std::string> rows[] = {
        {pathOf(longName), "cannot create a file in " + folder.string() + ": File name too long"},
        {pathOf("missing/form.json"),
         "cannot create a file in " + pathOf("missing") + ": No such file or directory"},
        {pathOf("sub"), "a folder, not a file"},
        {pathOf("fifo"), "a FIFO, not a regular file"},
        {folder.string() + "/", "not a file name"},
    };
    auto f = changedForm();
    for (const auto& [path, why] : rows) {
        EXPECT_EQ(failureText([&] { f->save(path); }), "75 Path/File access error: " + path + ": " + why);
        EXPECT_TRUE(f->needsSaving());
    }
    EXPECT_EQ(readAll(pathOf(longName)), kOld);
    EXPECT_TRUE(std::filesystem::is_empty(pathOf("sub")));
    EXPECT_TRUE(std::filesystem::is_fifo(pathOf("fifo")));
    EXPECT_EQ(listing(), (std::vector<std::string>{"fifo", longName, "sub"}));
}

} // namespace
} // namespace ovtest
