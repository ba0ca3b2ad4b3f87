#pragma once

#include "platform/Forward.h"

#include <atomic>
#include <cstdint>
#include <functional>

namespace ov {

// The class object that DllGetClassObject hands out for one creatable class of the library: it makes
// instances of that class. Reference counted as the host's class objects are: it is handed out holding
// one reference; AddRef takes another and Release gives one back, destroying the class object with the
// last. While any class object is alive, or the server is locked, the library cannot be unloaded.
class ClassFactory {
public:
    using Maker = std::function<ObjectRef()>;

    // A new class object holding one reference.
    static ClassFactory* create(const ClassInfo& info, Maker maker);

    const ClassInfo& classInfo() const { return m_info; }
    // A new instance of the class. Failures of its construction reach the caller.
    ObjectRef CreateInstance() const;
    // Each true keeps the library loaded until a matching false; a false without a lock is ignored.
    void LockServer(bool lock);
    // Both answer the references left.
    uint32_t AddRef();
    uint32_t Release();

    // Class objects alive plus server locks held, in the process.
    static int64_t outstanding();

    ClassFactory(const ClassFactory&) = delete;
    ClassFactory& operator=(const ClassFactory&) = delete;

private:
    ClassFactory(const ClassInfo& info, Maker maker);
    ~ClassFactory();

    const ClassInfo& m_info;
    Maker m_maker;
    std::atomic<uint32_t> m_references{1};
};

} // namespace ov
