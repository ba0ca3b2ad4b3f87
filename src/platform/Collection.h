#pragma once

#include "platform/Failure.h"
#include "platform/Text.h"

#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace ov {

// An ordered collection with 1-based positions and optional string keys compared without letter
// case, as the host's general-purpose collection behaves. Key lookup is hashed; positions shift on
// insertion and removal. Failures: a position outside 1..Count is 9 on lookup and removal (5 when
// used as an insertion anchor, as is giving both anchors), a missing key is 5, a key already used is 457.
template <class T>
class Collection {
public:
    size_t count() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }

    // Adds at the end, or before/after the given 1-based position (only one of them).
    void add(T item, const std::string& key = {}, std::optional<size_t> before = {},
             std::optional<size_t> after = {}) {
        size_t at = m_items.size();
        if (before && after)
            throw Failure(err::InvalidProcedureCall); // one anchor or none: both would be ambiguous
        if (before) {
            if (*before < 1 || *before > m_items.size()) throw Failure(err::InvalidProcedureCall);
            at = *before - 1;
        } else if (after) {
            if (*after < 1 || *after > m_items.size()) throw Failure(err::InvalidProcedureCall);
            at = *after;
        }
        if (!key.empty()) {
            if (m_byKey.contains(key)) throw Failure(err::DuplicateKey);
            m_byKey.emplace(key, item);
        }
        m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(at), Entry{key, std::move(item)});
    }

    const T& item(size_t position) const {
        if (position < 1 || position > m_items.size()) throw Failure(err::SubscriptOutOfRange);
        return m_items[position - 1].value;
    }
    const T& item(std::string_view key) const {
        auto it = m_byKey.find(key);
        if (it == m_byKey.end()) throw Failure(err::InvalidProcedureCall);
        return it->second;
    }
    const T* find(std::string_view key) const {
        auto it = m_byKey.find(key);
        return it == m_byKey.end() ? nullptr : &it->second;
    }
    bool contains(std::string_view key) const { return m_byKey.find(key) != m_byKey.end(); }
    // The key the item at a position was added with ("" for none); 9 outside 1..Count.
    const std::string& keyAt(size_t position) const {
        if (position < 1 || position > m_items.size()) throw Failure(err::SubscriptOutOfRange);
        return m_items[position - 1].key;
    }

    void remove(size_t position) {
        if (position < 1 || position > m_items.size()) throw Failure(err::SubscriptOutOfRange);
        auto it = m_items.begin() + static_cast<std::ptrdiff_t>(position - 1);
        if (!it->key.empty()) m_byKey.erase(m_byKey.find(it->key));
        m_items.erase(it);
    }
    void remove(std::string_view key) {
        auto k = m_byKey.find(key);
        if (k == m_byKey.end()) throw Failure(err::InvalidProcedureCall);
        m_byKey.erase(k);
        for (auto it = m_items.begin(); it != m_items.end(); ++it) {
            if (!it->key.empty() && equalsNoCase(it->key, key)) {
                m_items.erase(it);
                break;
            }
        }
    }
    void clear() {
        m_items.clear();
        m_byKey.clear();
    }

    struct Entry {
        std::string key;
        T value;
    };
    // A forward iterator over the items in position order, usable with the standard algorithms.
    class const_iterator {
    public:
        using Inner = typename std::vector<Entry>::const_iterator;
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = const T*;
        using reference = const T&;

        const_iterator() = default;
        explicit const_iterator(Inner i) : m_i(i) {}
        const T& operator*() const { return m_i->value; }
        const T* operator->() const { return &m_i->value; }
        const_iterator& operator++() {
            ++m_i;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator old = *this;
            ++m_i;
            return old;
        }
        bool operator==(const const_iterator&) const = default;

    private:
        Inner m_i;
    };
    const_iterator begin() const { return const_iterator(m_items.begin()); }
    const_iterator end() const { return const_iterator(m_items.end()); }

private:
    std::vector<Entry> m_items;
    std::unordered_map<std::string, T, NoCaseHash, NoCaseEqual> m_byKey;
};

} // namespace ov
