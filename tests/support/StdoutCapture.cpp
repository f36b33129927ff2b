#include "StdoutCapture.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#define dup _dup
#define dup2 _dup2
#define close _close
#define fileno _fileno
#define write _write
#else
#include <unistd.h>
#endif

StdoutCapture::StdoutCapture()
{
    std::fflush(stdout);
    file_ = std::tmpfile();
    if (file_ == nullptr)
        return;
    savedDescriptor_ = dup(fileno(stdout));
    dup2(fileno(file_), fileno(stdout));
#if defined(_WIN32)
    // msvcrt would turn "\n" into "\r\n"; the test wants the bytes printed.
    _setmode(fileno(stdout), _O_BINARY);
#endif
}

StdoutCapture::~StdoutCapture()
{
    finish();
}

std::string StdoutCapture::finish()
{
    if (file_ == nullptr)
        return std::string();
    std::fflush(stdout);
    dup2(savedDescriptor_, fileno(stdout));
    close(savedDescriptor_);

    std::string bytes;
    std::rewind(file_);
    char chunk[4096];
    size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file_)) > 0)
        bytes.append(chunk, count);
    std::fclose(file_);
    file_ = nullptr;
    return bytes;
}

void writeToStdoutDescriptor(const std::string &bytes)
{
    if (write(fileno(stdout), bytes.data(), static_cast<unsigned>(bytes.size())) < 0)
        std::perror("write");
}
