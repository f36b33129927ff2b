// Counts heap allocations made by this process while counting is on.
// Plain builds replace malloc & co. in the executable and pass each call
// on to glibc; sanitizer builds (whose runtime owns malloc) use the
// sanitizer's allocation hook instead.
#ifndef TESTS_QUALITY_ALLOCATION_COUNTER_H
#define TESTS_QUALITY_ALLOCATION_COUNTER_H

namespace AllocationCounter {

void start();
// Stops counting and returns the allocations counted since start().
long stop();

} // namespace AllocationCounter

#endif
