#include "StdoutCapture.h"

#include <cstdio>
#include <fcntl.h>

#if defined(_WIN32)
#include <io.h>
#define CaptureOpen _open
#define CaptureRead _read
#define CaptureSeek _lseek
#define CaptureClose _close
#define CaptureDup _dup
#define CaptureDup2 _dup2
static const int CaptureWriteFlags = _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY;
static const int CaptureReadFlags = _O_RDONLY | _O_BINARY;
#else
#include <unistd.h>
#define CaptureOpen open
#define CaptureRead read
#define CaptureSeek lseek
#define CaptureClose close
#define CaptureDup dup
#define CaptureDup2 dup2
static const int CaptureWriteFlags = O_WRONLY | O_CREAT | O_TRUNC;
static const int CaptureReadFlags = O_RDONLY;
#endif

namespace {
/* Larger than anything a scenario prints, so the C library never writes on
 * its own: what reaches the file was flushed by the plug-in. */
char stdoutBuffer[1 << 16];
int savedStdout = -1;
int captureReader = -1;
long captured = 0; /* bytes taken so far */
} // namespace

void PrepareStdout(const std::string &title)
{
#if defined(_WIN32)
    /* "\r\n" must reach the file as printed, not as "\r\r\n". */
    _setmode(1, _O_BINARY);
#endif
    std::setvbuf(stdout, stdoutBuffer, _IOFBF, sizeof stdoutBuffer);
    std::printf("%s\n", title.c_str());
    std::fflush(stdout);
}

bool CaptureStart(const std::string &path, std::string &error)
{
    std::fflush(stdout);
    int writer = CaptureOpen(path.c_str(), CaptureWriteFlags, 0644);
    if (writer < 0) {
        error = "cannot create " + path;
        return false;
    }
    /* A reader of its own keeps its own offset into the same file. */
    captureReader = CaptureOpen(path.c_str(), CaptureReadFlags);
    if (captureReader < 0) {
        CaptureClose(writer);
        error = "cannot read " + path;
        return false;
    }
    captured = 0;
    savedStdout = CaptureDup(1);
    CaptureDup2(writer, 1);
    CaptureClose(writer);
#if defined(_WIN32)
    _setmode(1, _O_BINARY);
#endif
    return true;
}

std::string CaptureTake()
{
    std::string bytes;
    char chunk[4096];
    /* Seeking clears the end-of-file mark that stops msvcrt's _read. */
    CaptureSeek(captureReader, captured, SEEK_SET);
    for (;;) {
        int got = static_cast<int>(CaptureRead(captureReader, chunk, sizeof chunk));
        if (got <= 0)
            break;
        bytes.append(chunk, static_cast<size_t>(got));
        captured += got;
    }
    return bytes;
}

void CaptureStop()
{
    std::fflush(stdout);
    if (savedStdout >= 0) {
        CaptureDup2(savedStdout, 1);
        CaptureClose(savedStdout);
        savedStdout = -1;
    }
    if (captureReader >= 0) {
        CaptureClose(captureReader);
        captureReader = -1;
    }
}
