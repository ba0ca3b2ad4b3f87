#include "platform/FormFileSamples.h"

#include "platform/Color.h"
#include "platform/Extender.h"
#include "platform/Failure.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/FormFile.h"
#include "platform/Picture.h"
#include "platform/PropertyBag.h"
#include "platform/Runtime.h"
#include "platform/Text.h"
#include "platform/TypeRegistry.h"

#include <algorithm>
#include <mutex>

namespace ovtest {

using namespace ov;

// ---- Memo ----

const ClassInfo& Memo::staticClass() {
    return buildClassInfo<Memo>([](ClassInfo& i) {
        i.creatable = true;
        i.published = false;
        i.progIdPrefix = "OvComCtlTest";
    });
}

void Memo::describe(ClassBuilder<Memo>& b) {
    b.property("Text", 1, &Memo::Text, &Memo::setText);
    b.property("Lines", 2, &Memo::Lines, &Memo::setLines);
}

void Memo::writeProperties(PropertyBag& bag) {
    bag.write("Text", m_text, "");
    bag.write("Lines", m_lines, int32_t{0});
    bag.write("Next", Variant(next), Variant(nullptr));
}

void Memo::readProperties(PropertyBag& bag) {
    m_text = bag.read("Text", "").toString();
    m_lines = bag.read("Lines", int32_t{0}).toInt32();
    if (m_lines < 0) throw Failure(err::InvalidPropertyValue, "Lines cannot be negative");
    ObjectRef n = bag.read("Next", Variant(nullptr)).toObject();
    next = std::dynamic_pointer_cast<Memo>(n);
    if (n && !next) throw Failure(err::TypeMismatch, "Next must be a Memo");
}

// ---- Sampler ----

const ClassInfo& Sampler::staticClass() {
    return buildClassInfo<Sampler>([](ClassInfo& i) {
        i.kind = ClassInfo::Kind::Control;
        i.creatable = true;
        i.published = false;
        i.progIdPrefix = "OvComCtlTest";
    });
}

void Sampler::describe(ClassBuilder<Sampler>&) {}

void Sampler::registerOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        TypeRegistry::instance().addClass(staticClass(), [] { return std::make_shared<Sampler>(); });
        TypeRegistry::instance().addClass(Memo::staticClass(), [] { return std::make_shared<Memo>(); });
    });
}

const std::vector<Sampler::Key>& Sampler::keys() {
    static const std::vector<Key> k{
        {"Flag", Key::Boolean},    {"Small", Key::Integer}, {"Count", Key::Long},     {"Ratio", Key::Single},
        {"Precise", Key::Double},  {"Text", Key::String},   {"ForeColor", Key::Long}, {"Font", Key::Font},
        {"Picture", Key::Picture}, {"Memo", Key::Memo},     {"Tag", Key::Any},
    };
    return k;
}

Variant Sampler::defaultValue(const Key& k) const {
    switch (k.kind) {
    case Key::Boolean:
        return Variant(false);
    case Key::Integer:
        return Variant(int16_t{0});
    case Key::Long:
        return equalsNoCase(k.name, "ForeColor") ? Variant(static_cast<int32_t>(sysColor::ButtonText))
                                                 : Variant(int32_t{0});
    case Key::Single:
        return Variant(0.0f);
    case Key::Double:
        return Variant(0.0);
    case Key::String:
        return Variant("");
    case Key::Font:
        return Variant(std::const_pointer_cast<ov::Font>(isSited() ? ambientFont() : ov::Font::standard()));
    case Key::Picture:
        return Variant();
    case Key::Memo:
    case Key::Any:
        return Variant(nullptr);
    }
    return Variant();
}

Variant Sampler::value(const std::string& key) const {
    for (const auto& [k, v] : m_values) {
        if (equalsNoCase(k, key)) return v;
    }
    for (const Key& k : keys()) {
        if (equalsNoCase(k.name, key)) return defaultValue(k);
    }
    throw Failure(err::InvalidProcedureCall, "no key " + key);
}

void Sampler::setValue(const std::string& key, Variant v) {
    for (auto& [k, old] : m_values) {
        if (equalsNoCase(k, key)) {
            old = std::move(v);
            PropertyChanged(key);
            return;
        }
    }
    m_values.emplace_back(key, std::move(v));
    PropertyChanged(key);
}

void Sampler::note(const std::string& hook) {
    const std::string entry = ambientDisplayName() + " " + hook;
    journal().push_back(entry);
    if (failAt() == entry) throw Failure(err::InvalidProcedureCall, "sampler fails in " + hook);
}

namespace {

// A value read from a bag, converted to the key's type; a value that does not convert fails.
Variant typedValue(const Sampler::Key& k, const Variant& v) {
    using Key = Sampler::Key;
    auto checked = [&](bool ok, const char* what) {
        if (!ok) throw Failure(err::TypeMismatch, std::string(k.name) + " must be " + what);
        return v;
    };
    switch (k.kind) {
    case Key::Boolean:
        return Variant(v.toBool());
    case Key::Integer:
        return Variant(v.toInt16());
    case Key::Long:
        return Variant(v.toInt32());
    case Key::Single:
        return Variant(v.toSingle());
    case Key::Double:
        return Variant(v.toDouble());
    case Key::String:
        return Variant(v.toString());
    case Key::Font:
        return checked(std::dynamic_pointer_cast<const ov::Font>(v.toObject()) != nullptr, "a font");
    case Key::Picture:
        return checked(v.isEmpty() || !v.toObject() ||
                           std::dynamic_pointer_cast<const ov::Picture>(v.toObject()),
                       "a picture");
    case Key::Memo:
        return checked(!v.toObject() || std::dynamic_pointer_cast<ovtest::Memo>(v.toObject()), "a memo");
    case Key::Any:
        break;
    }
    return v;
}

} // namespace

void Sampler::onReadProperties(PropertyBag& bag) {
    note("ReadProperties");
    m_values.clear();
    for (const Key& k : keys())
        m_values.emplace_back(k.name, typedValue(k, bag.read(k.name, defaultValue(k))));
}

void Sampler::onWriteProperties(PropertyBag& bag) {
    note("WriteProperties");
    for (const Key& k : keys())
        bag.write(k.name, value(k.name), defaultValue(k));
}

// ---- Pictures ----

namespace {

void put32(std::string& s, uint32_t v) {
    s += static_cast<char>(v >> 24);
    s += static_cast<char>((v >> 16) & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
    s += static_cast<char>(v & 0xFF);
}

} // namespace

std::string samplePng(uint32_t width, uint32_t height, const std::string& tail) {
    std::string png("\x89PNG\r\n\x1a\n", 8);
    put32(png, 13);
    png += "IHDR";
    put32(png, width);
    put32(png, height);
    png += std::string("\x08\x06\x00\x00\x00", 5);
    put32(png, 0); // checksums are the decoder's business
    return png + tail;
}

// ---- Checks on arbitrary input ----

namespace {

std::string roundTripFinding(std::string_view text, Mode mode) {
    FormRef form;
    try {
        form = FormFile::read(text, "input.json", mode);
    } catch (const Failure&) {
        return {};
    }
    std::string once;
    try {
        once = FormFile::write(*form, "input.json");
    } catch (const Failure& f) {
        return "a loaded form cannot be written again: " + f.description();
    }
    FormRef again;
    try {
        again = FormFile::read(once, "input.json", mode);
    } catch (const Failure& f) {
        return "a written form does not load back: " + f.description() + "\n" + once;
    }
    const std::string twice = FormFile::write(*again, "input.json");
    // Only the form file's own part has to come back the same: at run time controls act on loading (a
    // wizard shows its start page and hides the others), and what a library control makes of a value
    // it did not write itself is its own affair. Samplers keep what they read.
    const bool onlySamplers =
        std::all_of(form->controls().begin(), form->controls().end(),
                    [](const ExtenderRef& e) { return e->controlAs<Sampler>() != nullptr; });
    if (mode == Mode::Design && onlySamplers && twice != once)
        return "a form changes between two round trips:\n" + once + "\n----\n" + twice;
    return {};
}

} // namespace

std::string formFileFinding(std::string_view text) {
    Sampler::registerOnce();
    for (Mode mode : {Mode::Design, Mode::Run}) {
        std::string finding;
        {
            // The per-thread state (the wizard's page registry among it) starts afresh for each load.
            Runtime runtime;
            finding = roundTripFinding(text, mode);
        }
        if (finding.empty() && (Sampler::alive() != 0 || Memo::alive() != 0))
            finding = "sample objects outlived their forms";
        Sampler::journal().clear();
        if (!finding.empty()) return (mode == Mode::Design ? "design mode: " : "run mode: ") + finding;
    }
    return {};
}

} // namespace ovtest
