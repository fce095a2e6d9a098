#include "core/BigBlockAllocator.h"

#include <cstdlib>

#include <sys/mman.h>

namespace belvane {

namespace {
constexpr std::size_t kMappedFrom = 2 * 1024 * 1024;
}

void* AllocateBlock(std::size_t bytes) {
    if (bytes < kMappedFrom) {
        if (void* p = std::malloc(bytes ? bytes : 1))
            return p;
        throw std::bad_alloc();
    }
    void* p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (p == MAP_FAILED)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    ::madvise(p, bytes, MADV_HUGEPAGE);  // a hint; refusals are harmless
#endif
    return p;
}

void FreeBlock(void* p, std::size_t bytes) noexcept {
    if (!p)
        return;
    if (bytes < kMappedFrom)
        std::free(p);
    else
        ::munmap(p, bytes);
}

}  // namespace belvane
