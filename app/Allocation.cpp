// The program's operator new and delete, over the C heap. The library's versions throw
// std::bad_alloc, which would bring the exception runtime and the unwinder into a program
// that never catches anything: here a plain new that cannot be met ends the program, and a
// nothrow new returns null.
#include <cstddef>
#include <cstdlib>
#include <new>

namespace {
void* Allocate(std::size_t size) noexcept { return std::malloc(size != 0 ? size : 1); }

void* AllocateOrAbort(std::size_t size) noexcept {
    void* block = Allocate(size);
    if (!block)
        std::abort();
    return block;
}
} // namespace

void* operator new(std::size_t size) { return AllocateOrAbort(size); }
void* operator new[](std::size_t size) { return AllocateOrAbort(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }

void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
