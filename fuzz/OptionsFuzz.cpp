// Feeds arbitrary bytes to DecodeOptions. What decodes must encode to a text that decodes to the
// same text again (or be refused by EncodeOptions with 380, for a name holding TAB, CR or LF), and
// must load into a running options dialog, whose nodes are then clicked, without anything but
// ov::Failure being thrown.
#include "options/OptionListText.h"
#include "options/OvTreeBase.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "platform/TreeView.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void finding(const char* what) {
    std::fprintf(stderr, "options fuzzer: %s\n", what);
    std::abort();
}

void clickAround(const ov::OptionCollectionRef& col) {
    static ov::Runtime runtime;
    static ov::FormRef form = [] {
        auto f = ov::Form::create("frmFuzz", ov::Mode::Run);
        f->add("OvComCtl.OvTreeBase", "Options");
        f->show();
        return f;
    }();
    auto tree = form->control<ov::OvTreeBase>("Options");
    ov::OptionCollectionRef source = col;
    tree->AddNodes(source);
    const auto nodes = tree->tvOptions().nodes().items();
    int clicks = 0;
    for (const auto& n : nodes) {
        if (++clicks > 64) break;
        try {
            tree->clickNode(n->Key());
        } catch (const ov::Failure&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ov::OptionCollectionRef col;
    try {
        col = ov::DecodeOptions(text);
    } catch (const ov::Failure&) {
        return 0;
    }
    std::string once;
    try {
        once = ov::EncodeOptions(col.get());
    } catch (const ov::Failure& f) {
        if (f.number() != ov::err::InvalidPropertyValue)
            finding("EncodeOptions failed with a number other than 380");
        return 0;
    }
    try {
        if (ov::EncodeOptions(ov::DecodeOptions(once).get()) != once)
            finding("encode -> decode -> encode changed the text");
    } catch (const ov::Failure&) {
        finding("an encoded text did not decode again");
    }
    clickAround(col);
    return 0;
}
