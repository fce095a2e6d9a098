#pragma once

#include <cstddef>
#include <new>

namespace belvane {

// Large blocks (a register's line store, a file's bytes) are mapped with their
// pages populated at once: touching tens of thousands of fresh pages one fault
// at a time costs more than reading the register itself. Small blocks use the
// ordinary heap.
void* AllocateBlock(std::size_t bytes);
void FreeBlock(void* p, std::size_t bytes) noexcept;

template <class T>
class BigBlockAllocator {
public:
    using value_type = T;

    BigBlockAllocator() = default;
    template <class U>
    BigBlockAllocator(const BigBlockAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) { return static_cast<T*>(AllocateBlock(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { FreeBlock(p, n * sizeof(T)); }

    template <class U>
    bool operator==(const BigBlockAllocator<U>&) const noexcept {
        return true;
    }
};

}  // namespace belvane
