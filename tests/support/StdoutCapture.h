// Captures everything written to the process's standard output, at the
// descriptor level, so the bytes a plug-in prints are seen exactly.
#ifndef TESTS_STDOUT_CAPTURE_H
#define TESTS_STDOUT_CAPTURE_H

#include <cstdio>
#include <string>

class StdoutCapture {
public:
    StdoutCapture();
    ~StdoutCapture();
    StdoutCapture(const StdoutCapture &) = delete;
    StdoutCapture &operator=(const StdoutCapture &) = delete;

    // Restores standard output and returns what was written meanwhile.
    std::string finish();

private:
    std::FILE *file_ = nullptr;
    int savedDescriptor_ = -1;
};

// Writes straight to descriptor 1, past stdio's buffer.
void writeToStdoutDescriptor(const std::string &bytes);

// Runs `action` with standard output captured and returns the bytes.
template <typename Action> std::string captureStdout(Action action)
{
    StdoutCapture capture;
    action();
    return capture.finish();
}

#endif
