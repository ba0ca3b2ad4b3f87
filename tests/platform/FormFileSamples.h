#pragma once

#include "platform/ClassBuilder.h"
#include "platform/Object.h"
#include "platform/Persistable.h"
#include "platform/UserControl.h"
#include "platform/Variant.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ovtest {

// A note that a property bag holds by value ("OvComCtlTest.Memo"): Text (""), Lines (0, never
// negative: a negative count read back is failure 380) and Next (Nothing), another note.
class Memo : public ov::Object, public ov::Persistable {
    OV_OBJECT(Memo)
public:
    static constexpr const char* kProgId = "OvComCtlTest.Memo";
    Memo() { ++alive(); }
    ~Memo() override { --alive(); }
    // How many notes exist now.
    static int& alive() {
        static int count = 0;
        return count;
    }

    std::string Text() const { return m_text; }
    void setText(const std::string& v) { m_text = v; }
    int32_t Lines() const { return m_lines; }
    void setLines(int32_t v) { m_lines = v; }
    std::shared_ptr<Memo> next;

    void writeProperties(ov::PropertyBag& bag) override;
    void readProperties(ov::PropertyBag& bag) override;

    static void describe(ov::ClassBuilder<Memo>& b);

private:
    std::string m_text;
    int32_t m_lines = 0;
};

// A control whose property bag can hold every kind of value ("OvComCtlTest.Sampler"). It keeps one
// variant per key of keys(), writes each against its default in that order and reads each back
// converted to its default's type (a value that does not convert fails the read). The Font key's
// default is the ambient font. Hooks are logged as "<name> <hook>" into journal(); the hook named
// by failAt() ("<name> <hook>") throws failure 5. Other controls can be put inside it.
class Sampler : public ov::UserControl {
    OV_OBJECT(Sampler)
public:
    static constexpr const char* kProgId = "OvComCtlTest.Sampler";
    // Registers Sampler and Memo with the type registry.
    static void registerOnce();
    static std::vector<std::string>& journal() {
        static std::vector<std::string> log;
        return log;
    }
    static std::string& failAt() {
        static std::string hook;
        return hook;
    }
    static int& alive() {
        static int count = 0;
        return count;
    }

    struct Key {
        const char* name;
        enum Kind { Boolean, Integer, Long, Single, Double, String, Font, Picture, Memo, Any } kind;
    };
    static const std::vector<Key>& keys();

    Sampler() {
        ++alive();
        setControlContainer(true);
    }
    ~Sampler() override { --alive(); }

    // The value under `key` (its default when never set).
    ov::Variant value(const std::string& key) const;
    // Stores a value and reports the key changed.
    void setValue(const std::string& key, ov::Variant v);
    ov::Variant defaultValue(const Key& k) const;

    static void describe(ov::ClassBuilder<Sampler>& b);

protected:
    void onInitialize() override { note("Initialize"); }
    void onReadProperties(ov::PropertyBag& bag) override;
    void onWriteProperties(ov::PropertyBag& bag) override;
    void onTerminate() override { note("Terminate"); }

private:
    void note(const std::string& hook);

    std::vector<std::pair<std::string, ov::Variant>> m_values;
};

// The bytes of a PNG image that Picture accepts: signature and header chunk of the given size, then
// `tail`.
std::string samplePng(uint32_t width, uint32_t height, const std::string& tail = "IDAT");

// The checks the fuzzer and the regression tests make on one input. Loaded in design and in run mode
// (each time under a fresh runtime), the text is either refused with an ov::Failure or gives a form
// whose written text loads back (and, at design time with only samplers on it, is written the same
// again); and no sample object outlives the forms. Gives the first rule broken, with details, or "" when all
// hold. Other exceptions escape.
std::string formFileFinding(std::string_view text);

} // namespace ovtest
