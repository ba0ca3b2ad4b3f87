// Counts the heap allocations the benchmarks make (operator new and delete of this process): how many,
// and how many bytes are live (as the allocator reports a block's usable size). Memory that C
// libraries take with malloc directly (pango, cairo, fontconfig) is not counted.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ovbench {

struct HeapCount {
    uint64_t allocations = 0; // since the process started
    int64_t liveBytes = 0;    // allocated and not yet freed
};

HeapCount heapCount();

} // namespace ovbench
