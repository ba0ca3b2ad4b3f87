#include "platform/Failure.h"
#include "platform/FailureCapture.h"
#include "platform/TypeRegistry.h"
#include "support/WizardFixture.h"

#include <functional>
#include <tuple>

using namespace ov;

namespace {

using CPageTest = ovtest::WizardFixture;

} // namespace

TEST_F(CPageTest, PropertiesReachThePageByName) {
    auto p = loadPage("Details", 2, 1, 3);
    CPage& d = *p->descriptor();
    d.setPageNext(7);
    d.setBannerTitle("Choose a folder");
    d.setTag(Variant("t"));
    EXPECT_EQ(std::tuple(p->PageNext(), p->BannerTitle(), d.Tag().toString(), d.PageBack(), d.ClientLeft(),
                         d.Name()),
              std::tuple(7, "Choose a folder", "t", 1, 600, "Details"));
    // ...and so do the host's calls by name on the descriptor.
    d.let("pageback", Variant(4));
    EXPECT_EQ(p->PageBack(), 4);
    // Reading the mode changes nothing else.
    EXPECT_EQ(d.PageMode(), 1);
    EXPECT_EQ(std::tuple(p->PageNext(), p->BannerTitle()), std::tuple(7, "Choose a folder"));
    // TagVariant keeps an object by reference and a value by copy.
    auto other = loadPage("Other", 4);
    d.set("TagVariant", Variant(ObjectRef(other)));
    EXPECT_EQ(d.TagVariant().toObject(), other);
    d.let("TagVariant", Variant(42));
    EXPECT_EQ(d.TagVariant().toInt32(), 42);
}

TEST_F(CPageTest, PageIndexCannotBeWrittenThroughADescriptor) {
    auto p = loadPage("P1", 1);
    for (bool on : {false, true}) {
        showErrors(on);
        runtime.headlessMessageBox().clear();
        p->descriptor()->let("PageIndex", Variant(9));
        EXPECT_EQ(p->PageIndex(), 1);
        const std::string box =
            runtime.application().title + " | 0 | You can't set read-only PageIndex property.";
        EXPECT_EQ(shownBoxes(), on ? std::vector<std::string>{box} : std::vector<std::string>{}) << on;
    }
}

// Every descriptor procedure with a handler: what it calls and the source text it reports under.
struct Guarded {
    const char* source;
    std::function<void(CPage&)> call;
};

TEST_F(CPageTest, FailuresAreShownWithTheProcedureSourceAndReadersGiveZero) {
    const Guarded procedures[] = {
        {" - CPage:PageIndex Get", [](CPage& d) { EXPECT_EQ(d.PageIndex(), 0); }},
        {" - CPage:PageNext Get", [](CPage& d) { EXPECT_EQ(d.PageNext(), 0); }},
        {" - CPage:PageNext Let", [](CPage& d) { d.setPageNext(1); }},
        {" - CPage:PageBack Get", [](CPage& d) { EXPECT_EQ(d.PageBack(), 0); }},
        {" - CPage:PageBack Let", [](CPage& d) { d.setPageBack(1); }},
        {" - CPage:PageMode Get", [](CPage& d) { EXPECT_EQ(d.PageMode(), 0); }},
        {" - CPage:ClientTop Get", [](CPage& d) { EXPECT_EQ(d.ClientTop(), 0); }},
        {" - CPage:ClientHeight Get", [](CPage& d) { EXPECT_EQ(d.ClientHeight(), 0); }},
        {" - CPage:ClientWidth Get", [](CPage& d) { EXPECT_EQ(d.ClientWidth(), 0); }},
        {" - CPage:ClientLeft Get", [](CPage& d) { EXPECT_EQ(d.ClientLeft(), 0); }},
        {" - CPage:Tag Get", [](CPage& d) { EXPECT_TRUE(d.Tag().isEmpty()); }},
        {" - CPage:Tag Let", [](CPage& d) { d.setTag(Variant(1)); }},
        {" - CPage:TagVariant Get", [](CPage& d) { EXPECT_TRUE(d.TagVariant().isEmpty()); }},
        {" - CPage:TagVariant Set", [](CPage& d) { d.setTagVariant(Variant(nullptr)); }},
        {" - CPage:TagVariant Let", [](CPage& d) { d.letTagVariant(Variant(1)); }},
        {" - CPage:BannerTitle Get", [](CPage& d) { EXPECT_EQ(d.BannerTitle(), ""); }},
        {" - CPage:Bannertitle Let", [](CPage& d) { d.setBannerTitle("x"); }},
        {" - CPage:BannerDescription Get", [](CPage& d) { EXPECT_EQ(d.BannerDescription(), ""); }},
        {" - CPage:BannerDescription Let", [](CPage& d) { d.setBannerDescription("x"); }},
        {" - CPage:WatermarkTitle Get", [](CPage& d) { EXPECT_EQ(d.WatermarkTitle(), ""); }},
        {" - CPage:WatermarkTitle Let", [](CPage& d) { d.setWatermarkTitle("x"); }},
        {" - CPage:WatermarkDescription Get", [](CPage& d) { EXPECT_EQ(d.WatermarkDescription(), ""); }},
        {" - CPage:WatermarkDescription Let", [](CPage& d) { d.setWatermarkDescription("x"); }},
        {" - CPage:WatermarkRule Get", [](CPage& d) { EXPECT_EQ(d.WatermarkRule(), ""); }},
        {" - CPage:WatermarkRule Let", [](CPage& d) { d.setWatermarkRule("x"); }},
    };
    CPage detached; // no WizardPage: every page access fails with 91
    const std::string title = runtime.application().title;
    for (bool on : {false, true}) {
        showErrors(on);
        for (const auto& proc : procedures) {
            runtime.headlessMessageBox().clear();
            proc.call(detached);
            const std::string box =
                title + proc.source + " | 16 | Error: 91\r\nObject variable or With block variable not set";
            EXPECT_EQ(shownBoxes(), on ? std::vector<std::string>{box} : std::vector<std::string>{})
                << proc.source;
        }
    }
}

// Outside the table: a late-bound read the page lacks is reported, HelpContextID fails to the caller, a
// non-object WizardPage is reported and leaves it empty, and a descriptor does not keep its page alive.
TEST_F(CPageTest, TheProceduresOutsideTheTableKeepTheirOwnRules) {
    showErrors(true);
    CPage notAPage;
    ObjectRef pages = TypeRegistry::instance().create("OvComCtl.CPages"); // held: a descriptor does not
    notAPage.setWizardPage(Variant(pages));
    EXPECT_EQ(notAPage.WatermarkTitle(), ""); // a page collection has no WatermarkTitle: 438
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].prompt.rfind("Error: 438\r\nObject doesn't support this property or method", 0), 0u);
    runtime.headlessMessageBox().clear();

    CPage detached;
    EXPECT_EQ(test::failureNumber([&] { detached.HelpContextID(); }), 91);
    EXPECT_TRUE(boxes().empty());

    auto p = loadPage("P1", 1);
    p->descriptor()->setWizardPage(Variant(5));
    EXPECT_TRUE(p->descriptor()->WizardPage().isNothing());
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].title, runtime.application().title + " - CPage:WizardPage Set");

    CPageRef d = loadPage("Gone", 2)->descriptor();
    form.reset();
    EXPECT_TRUE(d->WizardPage().isNothing());
    EXPECT_EQ(d->PageIndex(), 0);
}
