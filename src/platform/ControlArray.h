#pragma once

#include "platform/Failure.h"
#include "platform/Forward.h"
#include "platform/UserControl.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace ov {

// A control array: constituent controls of one owner that share a name and are told apart by index
// (lblStep(0) ... lblStep(4), ctlInfoItem(n)). Each element is a child of the owner named
// "<name>(<index>)", so Controls("lblStep(2)") finds it as well. Indexes run from 0 to 32767 and need
// not be contiguous.
//
// Elements placed at design time are adopted with addDesigned. load(index) makes a run-time element as
// a copy of element 0: the same kind, container, size, position, font, colours and texts, hidden, in
// front of its container's other controls; a library control (EmbeddedControl) is made from the same
// program id, reads the properties element 0 writes (as a designed control is loaded), then takes the
// value of every property element 0 has with a reader and a value writer, in declaration order.
// Labels, shapes and library controls can be copied; other kinds are failure 5.
//
// Failures: an index outside 0 to 32767 or with no element is 340 ("Control array element 'n' doesn't
// exist"); loading an index that has an element is 360 ("Object already loaded"); unloading an element
// placed at design time is 362 ("Can't unload controls created at design time"), as is loading with
// no element 0 to copy.
class ControlArray {
public:
    ControlArray(UserControl& owner, std::string name) : m_owner(owner), m_name(std::move(name)) {}
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    const std::string& name() const { return m_name; }
    // The owner's child name of element `index`: "ctlInfoItem(3)".
    std::string elementName(int32_t index) const;

    // Creates a designed element of kind T at `index` (360 when taken).
    template <class T>
    T& addDesigned(int32_t index, ConstituentControl* container = nullptr);
    // A run-time copy of element 0 at `index`.
    ConstituentControl& load(int32_t index);
    // Removes a run-time element (an inner library control hears onTerminate first).
    void unload(int32_t index);

    ConstituentControl& item(int32_t index) const;
    template <class T>
    T& itemAs(int32_t index) const;
    ConstituentControl* find(int32_t index) const;
    bool exists(int32_t index) const { return m_elements.contains(index); }
    int32_t count() const { return static_cast<int32_t>(m_elements.size()); }
    // The lowest and highest index (0 with no elements).
    int32_t lBound() const { return m_elements.empty() ? 0 : m_elements.begin()->first; }
    int32_t uBound() const { return m_elements.empty() ? 0 : m_elements.rbegin()->first; }
    // Index order.
    const std::map<int32_t, ConstituentControl*>& elements() const { return m_elements; }

private:
    void checkFree(int32_t index) const;
    [[noreturn]] void missing(int32_t index) const;

    UserControl& m_owner;
    std::string m_name;
    std::map<int32_t, ConstituentControl*> m_elements;
    std::set<int32_t> m_designed;
};

template <class T>
T& ControlArray::addDesigned(int32_t index, ConstituentControl* container) {
    checkFree(index);
    T& c = m_owner.addChild<T>(elementName(index), container);
    m_elements.emplace(index, &c);
    m_designed.insert(index);
    return c;
}

template <class T>
T& ControlArray::itemAs(int32_t index) const {
    auto* t = dynamic_cast<T*>(&item(index));
    if (!t)
        throw Failure(err::TypeMismatch, failureText(err::TypeMismatch) + " (" + elementName(index) + ")");
    return *t;
}

} // namespace ov
