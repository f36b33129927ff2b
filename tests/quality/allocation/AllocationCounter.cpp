#include "AllocationCounter.h"

#include <atomic>
#include <cstddef>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUALITY_SANITIZER_OWNS_MALLOC 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define QUALITY_SANITIZER_OWNS_MALLOC 1
#endif

namespace {

std::atomic<bool> Counting{false};
std::atomic<long> Allocations{0};

void countOne()
{
    if (Counting.load(std::memory_order_relaxed))
        Allocations.fetch_add(1, std::memory_order_relaxed);
}

} // namespace

namespace AllocationCounter {

void start()
{
    Allocations = 0;
    Counting = true;
}

long stop()
{
    Counting = false;
    return Allocations.load();
}

} // namespace AllocationCounter

#if defined(QUALITY_SANITIZER_OWNS_MALLOC)

#include <sanitizer/allocator_interface.h>

namespace {

void onMalloc(const volatile void *, size_t)
{
    countOne();
}

void onFree(const volatile void *) {}

[[maybe_unused]] const int HooksInstalled = __sanitizer_install_malloc_and_free_hooks(onMalloc, onFree);

} // namespace

#else

// glibc's own allocator under its internal names. operator new and the C
// library's internal allocations all come through these replacements.
extern "C" {
void *__libc_malloc(size_t size);
void *__libc_calloc(size_t count, size_t size);
void *__libc_realloc(void *pointer, size_t size);
void *__libc_memalign(size_t alignment, size_t size);
void __libc_free(void *pointer);

void *malloc(size_t size)
{
    countOne();
    return __libc_malloc(size);
}

void *calloc(size_t count, size_t size)
{
    countOne();
    return __libc_calloc(count, size);
}

void *realloc(void *pointer, size_t size)
{
    countOne();
    return __libc_realloc(pointer, size);
}

void *memalign(size_t alignment, size_t size)
{
    countOne();
    return __libc_memalign(alignment, size);
}

void *aligned_alloc(size_t alignment, size_t size)
{
    countOne();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void **result, size_t alignment, size_t size)
{
    countOne();
    void *pointer = __libc_memalign(alignment, size);
    if (pointer == nullptr)
        return 12; // ENOMEM
    *result = pointer;
    return 0;
}

void free(void *pointer)
{
    __libc_free(pointer);
}
} // extern "C"

#endif
