#pragma once

#include "platform/PropertyBag.h"
#include "platform/Variant.h"
#include "platform/VariantTraits.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace ov {

// The type of the field a pointer to member names.
template <class M>
struct FieldOf;
template <class C, class T>
struct FieldOf<T C::*> {
    using type = T;
};

// One stored property of a wizard control C, as its key table lists it: the key it is written under,
// the key it is read under (the bag ignores letter case, so a few differ only in that), the place it
// is read at when the reader's order differs from the writer's (0: in table order), its default, and
// how the control's value is taken and a read value applied. The accessors take the control, so one
// table built once serves every control of the class.
//
// The property's type T decides the reading: PropertyBag::readIfStored<T> with the key's range, so a
// stored value the property cannot take is refused (and the default applied); writing passes the same
// range, so a value outside it is refused by the save.
template <class C>
class StoredKey {
public:
    template <class T>
    using Getter = T (*)(C&);
    template <class T>
    using Applier = void (*)(C&, T);
    template <class T>
    using DefaultOf = T (*)(const C&);

    // A key with a fixed default.
    template <class T>
    static StoredKey of(std::string writeKey, std::string readKey, int readAt,
                        std::type_identity_t<T> defaultValue, Getter<T> get, Applier<T> apply,
                        PropertyBag::Range range = {}) {
        auto access = std::make_shared<Typed<T>>(get, apply, range);
        access->fixedVariant = VariantTraits<T>::to(defaultValue);
        access->fixed = std::move(defaultValue);
        return StoredKey(std::move(writeKey), std::move(readKey), readAt, std::move(access));
    }
    // A key whose default is the control's own (the ambient font, the navigator's button set).
    template <class T>
    static StoredKey withDefaultOf(std::string writeKey, std::string readKey, int readAt,
                                   std::type_identity_t<DefaultOf<T>> defaultOf, Getter<T> get,
                                   Applier<T> apply, PropertyBag::Range range = {}) {
        auto access = std::make_shared<Typed<T>>(get, apply, range);
        access->defaultOf = defaultOf;
        return StoredKey(std::move(writeKey), std::move(readKey), readAt, std::move(access));
    }

    // A key that is a field of the control, read and written as it is; the key is the same both ways.
    template <auto Member>
    static StoredKey field(std::string key, int readAt, typename FieldOf<decltype(Member)>::type defaultValue,
                           PropertyBag::Range range = {}) {
        using T = typename FieldOf<decltype(Member)>::type;
        std::string readKey = key;
        return of<T>(
            std::move(key), std::move(readKey), readAt, std::move(defaultValue),
            [](C& c) -> T { return c.*Member; }, [](C& c, T v) { c.*Member = std::move(v); }, range);
    }

    const std::string& writeKey() const { return m_writeKey; }
    const std::string& readKey() const { return m_readKey; }
    int readAt() const { return m_readAt; }
    // The control's value into the bag under the write key (nothing when it equals the default).
    void write(C& c, PropertyBag& bag) const { m_access->write(c, bag, m_writeKey); }
    // The stored value, or the default when it is absent or refused, applied to the control.
    void load(C& c, const PropertyBag& bag) const { m_access->load(c, bag, m_readKey); }

private:
    struct Access {
        virtual ~Access() = default;
        virtual void write(C& c, PropertyBag& bag, const std::string& key) const = 0;
        virtual void load(C& c, const PropertyBag& bag, const std::string& key) const = 0;
    };

    template <class T>
    struct Typed final : Access {
        Typed(Getter<T> g, Applier<T> a, PropertyBag::Range r) : get(g), apply(a), range(r) {}
        void write(C& c, PropertyBag& bag, const std::string& key) const override {
            const Variant value = VariantTraits<T>::to(get(c));
            if (fixed)
                bag.write(key, value, fixedVariant, range);
            else
                bag.write(key, value, VariantTraits<T>::to(defaultOf(c)), range);
        }
        void load(C& c, const PropertyBag& bag, const std::string& key) const override {
            if (std::optional<T> stored = bag.readIfStored<T>(key, range))
                apply(c, std::move(*stored));
            else
                apply(c, fixed ? *fixed : defaultOf(c));
        }

        Getter<T> get;
        Applier<T> apply;
        PropertyBag::Range range;
        std::optional<T> fixed;
        Variant fixedVariant;
        DefaultOf<T> defaultOf = nullptr;
    };

    StoredKey(std::string writeKey, std::string readKey, int readAt, std::shared_ptr<const Access> access)
        : m_writeKey(std::move(writeKey)), m_readKey(std::move(readKey)), m_readAt(readAt),
          m_access(std::move(access)) {}

    std::string m_writeKey;
    std::string m_readKey;
    int m_readAt;
    std::shared_ptr<const Access> m_access;
};

// A control class's stored keys, built once: written in table order, read in the reader's order.
template <class C>
class StoredKeyTable {
public:
    explicit StoredKeyTable(std::vector<StoredKey<C>> keys) : m_keys(std::move(keys)) {
        for (const StoredKey<C>& k : m_keys)
            m_readOrder.push_back(&k);
        std::stable_sort(
            m_readOrder.begin(), m_readOrder.end(),
            [](const StoredKey<C>* a, const StoredKey<C>* b) { return a->readAt() < b->readAt(); });
    }
    StoredKeyTable(const StoredKeyTable&) = delete;
    StoredKeyTable& operator=(const StoredKeyTable&) = delete;

    const std::vector<StoredKey<C>>& keys() const { return m_keys; }
    void write(C& c, PropertyBag& bag) const {
        for (const StoredKey<C>& k : m_keys)
            k.write(c, bag);
    }
    void load(C& c, const PropertyBag& bag) const {
        for (const StoredKey<C>* k : m_readOrder)
            k->load(c, bag);
    }

private:
    std::vector<StoredKey<C>> m_keys;
    std::vector<const StoredKey<C>*> m_readOrder;
};

} // namespace ov
