#include "OwnHeap.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace vantrel::endurance {
namespace {

std::atomic<std::size_t> ownBytes{0};

// Each block carries its size in front, aligned as operator new must be.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Take(std::size_t size) noexcept {
    void* block = std::malloc(size + kHeader);
    if (!block) return nullptr;
    *static_cast<std::size_t*>(block) = size;
    ownBytes += size;
    return static_cast<char*>(block) + kHeader;
}

void Give(void* pointer) noexcept {
    if (!pointer) return;
    void* block = static_cast<char*>(pointer) - kHeader;
    ownBytes -= *static_cast<std::size_t*>(block);
    std::free(block);
}

void* TakeOrThrow(std::size_t size) {
    for (;;) {
        if (void* pointer = Take(size ? size : 1)) return pointer;
        std::new_handler handler = std::get_new_handler();
        if (!handler) throw std::bad_alloc();
        handler();
    }
}

}  // namespace

std::size_t OwnHeapBytes() { return ownBytes.load(); }

}  // namespace vantrel::endurance

using vantrel::endurance::Give;
using vantrel::endurance::Take;
using vantrel::endurance::TakeOrThrow;

void* operator new(std::size_t size) { return TakeOrThrow(size); }
void* operator new[](std::size_t size) { return TakeOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Take(size ? size : 1); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Take(size ? size : 1); }
void operator delete(void* pointer) noexcept { Give(pointer); }
void operator delete[](void* pointer) noexcept { Give(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { Give(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { Give(pointer); }
void operator delete(void* pointer, const std::nothrow_t&) noexcept { Give(pointer); }
void operator delete[](void* pointer, const std::nothrow_t&) noexcept { Give(pointer); }
