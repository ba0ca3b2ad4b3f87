#pragma once

#include "platform/Forward.h"

namespace ov {

// A library class whose objects a property bag can hold by value. A form file stores such an object
// as its program id and the entries it writes into a bag of its own; loading creates a fresh instance
// through TypeRegistry (so the class must be registered as creatable) and hands it the bag back.
// Objects of other classes cannot be saved: a form holding one refuses to save.
class Persistable {
public:
    virtual ~Persistable() = default;

    // Writes the object's state (PropertyBag::write with defaults, as a control does).
    virtual void writeProperties(PropertyBag& bag) = 0;
    // Restores the state from a bag read back from a file; absent keys read as their defaults. May
    // throw ov::Failure when a value does not fit.
    virtual void readProperties(PropertyBag& bag) = 0;
};

} // namespace ov
