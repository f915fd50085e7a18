// Makes one allocation fail, as it would when the system runs out of memory. A test program that
// links FailingAllocations.cpp gets its global operator new replaced; while a FailingAllocations
// lives, the nth allocation from then on of at least the given size throws std::bad_alloc.
#pragma once

#include <cstddef>

namespace pellitor::testing {

class FailingAllocations {
public:
    // nth counts from 1; smaller allocations pass, so that only the texts of a test are hit.
    FailingAllocations(std::size_t nth, std::size_t minimumSize);
    ~FailingAllocations();
    FailingAllocations(const FailingAllocations&) = delete;
    FailingAllocations& operator=(const FailingAllocations&) = delete;

    // Whether the allocation has failed yet.
    bool failed() const;
};

} // namespace pellitor::testing
