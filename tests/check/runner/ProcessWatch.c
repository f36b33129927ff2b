/* Heap and pause watches by interposition: the executable defines the C
 * library's allocator and nanosleep, so the plug-in's calls land here first
 * and are counted or logged before going on to the real ones. */
#if defined(CHECK_WATCH_HEAP) || defined(CHECK_WATCH_PAUSE)
#define _GNU_SOURCE
#endif

#include "ProcessWatch.h"

#include <errno.h>
#include <stddef.h>
#include <stdio.h>

/* ---- Heap ------------------------------------------------------------------ */
#if defined(CHECK_WATCH_HEAP)

/* glibc's own allocator under its internal names. */
extern void *__libc_malloc(size_t size);
extern void *__libc_calloc(size_t count, size_t size);
extern void *__libc_realloc(void *pointer, size_t size);
extern void __libc_free(void *pointer);
extern void *__libc_memalign(size_t alignment, size_t size);
extern void *__libc_valloc(size_t size);
extern void *__libc_pvalloc(size_t size);

static volatile int heapWatching;
static volatile long heapAllocations;

static void CountAllocation(void)
{
    if (heapWatching)
        ++heapAllocations;
}

void *malloc(size_t size)
{
    CountAllocation();
    return __libc_malloc(size);
}

void *calloc(size_t count, size_t size)
{
    CountAllocation();
    return __libc_calloc(count, size);
}

void *realloc(void *pointer, size_t size)
{
    CountAllocation();
    return __libc_realloc(pointer, size);
}

void free(void *pointer)
{
    __libc_free(pointer);
}

void *memalign(size_t alignment, size_t size)
{
    CountAllocation();
    return __libc_memalign(alignment, size);
}

void *aligned_alloc(size_t alignment, size_t size)
{
    CountAllocation();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void **result, size_t alignment, size_t size)
{
    CountAllocation();
    if (alignment % sizeof(void *) != 0 || (alignment & (alignment - 1)) != 0)
        return EINVAL;
    void *pointer = __libc_memalign(alignment, size);
    if (pointer == NULL)
        return ENOMEM;
    *result = pointer;
    return 0;
}

void *valloc(size_t size)
{
    CountAllocation();
    return __libc_valloc(size);
}

void *pvalloc(size_t size)
{
    CountAllocation();
    return __libc_pvalloc(size);
}

int HeapWatchAvailable(void)
{
    return 1;
}

void HeapWatchBegin(void)
{
    heapAllocations = 0;
    heapWatching = 1;
}

long HeapWatchEnd(void)
{
    heapWatching = 0;
    return heapAllocations;
}

#else

int HeapWatchAvailable(void)
{
    return 0;
}

void HeapWatchBegin(void)
{
}

long HeapWatchEnd(void)
{
    return 0;
}

#endif

/* ---- Pauses ---------------------------------------------------------------- */
#if defined(CHECK_WATCH_PAUSE)
#include <time.h>

static struct DriverExchange *volatile pauseLog;

int nanosleep(const struct timespec *request, struct timespec *remaining)
{
    struct DriverExchange *exchange = pauseLog;
    if (exchange != NULL && request != NULL) {
        if (exchange->logCount < CheckMaxLogLines) {
            char *line = exchange->log[exchange->logCount++];
            long long nanoseconds = (long long)request->tv_sec * 1000000000LL + request->tv_nsec;
            if (nanoseconds % 1000000LL == 0)
                snprintf(line, CheckLogLineLength, "pause %lld ms", nanoseconds / 1000000LL);
            else
                snprintf(line, CheckLogLineLength, "pause %lld ns", nanoseconds);
        } else {
            ++exchange->logDropped;
        }
    }
    /* The real pause: the plug-in's time is not faked. */
    int error = clock_nanosleep(CLOCK_REALTIME, 0, request, remaining);
    if (error != 0) {
        errno = error;
        return -1;
    }
    return 0;
}

int PauseWatchAvailable(void)
{
    return 1;
}

void PauseWatchBegin(struct DriverExchange *exchange)
{
    pauseLog = exchange;
}

void PauseWatchEnd(void)
{
    pauseLog = NULL;
}

#else

int PauseWatchAvailable(void)
{
    return 0;
}

void PauseWatchBegin(struct DriverExchange *exchange)
{
    (void)exchange;
}

void PauseWatchEnd(void)
{
}

#endif
