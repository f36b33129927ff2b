#include "OutputRecorder.h"

#include <cstring>
#include <stdio_ext.h>

namespace {

// One reading can print 200 failed polls of 262 bytes each; room for
// several entry points' worth.
constexpr size_t Capacity = 1 << 20;
char Recorded[Capacity];
size_t RecordedSize = 0;
bool Overflowed = false;

// stdio's own buffer, given so that the first write does not allocate one.
char StreamBuffer[BUFSIZ];

ssize_t appendToRecord(void *, const char *bytes, size_t size)
{
    size_t room = Capacity - RecordedSize;
    if (size > room) {
        Overflowed = true;
        size = room;
    }
    std::memcpy(Recorded + RecordedSize, bytes, size);
    RecordedSize += size;
    return static_cast<ssize_t>(size);
}

std::FILE *openStream()
{
    cookie_io_functions_t functions = {};
    functions.write = appendToRecord;
    std::FILE *stream = fopencookie(nullptr, "w", functions);
    if (stream != nullptr)
        std::setvbuf(stream, StreamBuffer, _IOFBF, sizeof StreamBuffer);
    return stream;
}

} // namespace

namespace OutputRecorder {

std::FILE *stream()
{
    static std::FILE *const recording = openStream();
    return recording;
}

std::string_view recorded()
{
    return std::string_view(Recorded, RecordedSize);
}

void clear()
{
    RecordedSize = 0;
    Overflowed = false;
}

bool pending()
{
    return __fpending(stream()) != 0;
}

bool overflowed()
{
    return Overflowed;
}

} // namespace OutputRecorder
