// The replaced global operator new and delete behind FailingAllocations. Every form is replaced,
// so that memory from new always goes back through free, under the sanitizers too.
#include "FailingAllocations.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> armed{false};
std::atomic<std::size_t> remaining{0};
std::atomic<std::size_t> minimum{0};
std::atomic<bool> hit{false};

void* allocate(std::size_t size)
{
    if (armed.load() && size >= minimum.load() && remaining.fetch_sub(1) == 1) {
        armed.store(false);
        hit.store(true);
        throw std::bad_alloc();
    }
    if (void* block = std::malloc(size != 0 ? size : 1))
        return block;
    throw std::bad_alloc();
}
} // namespace

namespace pellitor::testing {

FailingAllocations::FailingAllocations(std::size_t nth, std::size_t minimumSize)
{
    hit.store(false);
    minimum.store(minimumSize);
    remaining.store(nth);
    armed.store(true);
}

FailingAllocations::~FailingAllocations()
{
    armed.store(false);
}

bool FailingAllocations::failed() const
{
    return hit.load();
}

} // namespace pellitor::testing

void* operator new(std::size_t size)
{
    return allocate(size);
}
void* operator new[](std::size_t size)
{
    return allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return operator new(size, std::nothrow);
}
void operator delete(void* block) noexcept
{
    std::free(block);
}
void operator delete[](void* block) noexcept
{
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept
{
    std::free(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept
{
    std::free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept
{
    std::free(block);
}
