#include "frame/ClassFactory.h"

#include <atomic>

namespace ov {

namespace {

std::atomic<int64_t> g_factories{0};
std::atomic<int64_t> g_locks{0};

} // namespace

ClassFactory* ClassFactory::create(const ClassInfo& info, Maker maker) {
    return new ClassFactory(info, std::move(maker));
}

ClassFactory::ClassFactory(const ClassInfo& info, Maker maker) : m_info(info), m_maker(std::move(maker)) {
    g_factories.fetch_add(1);
}

ClassFactory::~ClassFactory() {
    g_factories.fetch_sub(1);
}

ObjectRef ClassFactory::CreateInstance() const {
    return m_maker();
}

void ClassFactory::LockServer(bool lock) {
    if (lock) {
        g_locks.fetch_add(1);
        return;
    }
    // Unlocking more often than locking must not hide a lock someone else holds.
    int64_t held = g_locks.load();
    while (held > 0 && !g_locks.compare_exchange_weak(held, held - 1)) {
    }
}

uint32_t ClassFactory::AddRef() {
    return ++m_references;
}

uint32_t ClassFactory::Release() {
    uint32_t left = --m_references;
    if (left == 0) delete this;
    return left;
}

int64_t ClassFactory::outstanding() {
    return g_factories.load() + g_locks.load();
}

} // namespace ov
