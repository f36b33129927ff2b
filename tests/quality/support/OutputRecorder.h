// A stand-in for the host's standard output: a stdio stream whose bytes
// land in memory. Swapping `stdout` for it is far cheaper than redirecting
// the descriptor, so checks can look at every entry point's output, and it
// keeps stdio's buffering, so bytes a caller forgot to flush stay visible
// as pending. Linux (glibc) only. Allocates only when first used.
#ifndef TESTS_QUALITY_OUTPUT_RECORDER_H
#define TESTS_QUALITY_OUTPUT_RECORDER_H

#include <cstdio>
#include <string_view>

namespace OutputRecorder {

// The recording stream; created on first use.
std::FILE *stream();

// The bytes that reached the stream (flushed) since the last clear().
std::string_view recorded();
void clear();

// Bytes printed but not flushed yet.
bool pending();

// More was written than the recorder holds.
bool overflowed();

} // namespace OutputRecorder

// Points `stdout` at the recorder for one scope.
class RecordedStdout {
public:
    RecordedStdout() : saved_(stdout) { stdout = OutputRecorder::stream(); }
    ~RecordedStdout() { stdout = saved_; }
    RecordedStdout(const RecordedStdout &) = delete;
    RecordedStdout &operator=(const RecordedStdout &) = delete;

private:
    std::FILE *saved_;
};

#endif
