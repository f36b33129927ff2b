// A stand-in for the eleven driver operations whose every answer comes
// from a string of bytes: a fuzz input, a seed, or nothing at all. Once the
// bytes run out every operation succeeds and a measurement completes at the
// first poll with 1 mW, so an empty string is a healthy, instant sensor.
// It allocates nothing, keeps a record of what the plug-in did in the
// current entry point, and stops the process at once on a call the
// plug-in must never make (a wrong session or channel, a null pointer, a
// 201st poll or pause in one reading).
//
// Byte layout, in call order ("status" is one selector byte, see
// takeStatus; a missing byte reads as its default):
//   rsnrpz_init                 status, session byte (0: store 7, 1: store
//                               nothing, 2: store 0, 3: store 4 raw bytes)
//   rsnrpz_revision_query       status, text, text
//   rsnrpz_error_message        text, status (ignored by the plug-in)
//   the five set-up operations  status
//   rsnrpz_chan_initiate        status, the poll that completes (byte c:
//                               poll c + 1; 255: never)
//   isMeasurementComplete       status, flag byte (0: 1 once due, 1: 0x8000
//                               once due, 2: left unwritten, 3: 1 always)
//   fetchBufferMeasurement      status, value count byte n (default 4;
//                               n % 5 values, 254 and 255: 1024), n values
//                               of 8 raw bytes (default 1e-3 W), count byte
//                               (0: n, 1: left unwritten, 2: one of
//                               0, -1, 1, 4, 1024, 1025, INT32_MIN,
//                               INT32_MAX picked by the next byte, 3: 4
//                               raw bytes)
// A text is a length byte L (255: all 256 bytes, no terminator) and L bytes.
#ifndef TESTS_QUALITY_BYTE_DRIVER_H
#define TESTS_QUALITY_BYTE_DRIVER_H

#include "rsnrpz.h"

#include <cstddef>
#include <cstdint>

namespace ByteDriver {

// More than this many polls (or pauses) in one reading is a hang.
constexpr int PollLimit = 200;
constexpr int ResultCapacity = 1024;
// Error texts one entry point can ask for: a start, 200 polls, a fetch.
constexpr int MaxTexts = 2 * PollLimit;

// What the plug-in did during the current entry point.
struct Record {
    int inits = 0;
    RsnrpzStatus initStatus = 0;
    int revisionQueries = 0;
    int setupSteps = 0;          // the five configuration operations
    bool setupStepFailed = false; // one of them returned a negative status

    int initiates = 0;
    RsnrpzStatus initiateStatus = 0;
    int polls = 0;
    int pauses = 0;
    int failedPollsInRow = 0;  // at the end of the reading
    bool lastPollFoundComplete = false; // status >= 0 and a nonzero flag

    int fetches = 0;
    RsnrpzStatus fetchStatus = 0;
    bool readCountWritten = false;
    int32_t readCount = 0;
    int valuesWritten = 0;
    double values[ResultCapacity] = {};

    // The texts handed to rsnrpz_error_message, as the plug-in may print
    // them: up to the first zero, at most 255 characters.
    int texts = 0;
    char text[MaxTexts][RSNRPZ_TEXT_LENGTH] = {};
};

// Answers from these bytes from now on; they must outlive the calls.
void start(const uint8_t *data, size_t size);
// The session the plug-in should hold: the last one rsnrpz_init stored.
void expectSession(RsnrpzSession session);
bool exhausted();
// The next byte of the answers, for a caller choosing what to do next.
uint8_t takeByte(uint8_t fallback);

// Forgets the record; call before each entry point.
void clearRecord();
const Record &record();

// Counts one pause; the stand-in pauses call it.
void countPause(unsigned milliseconds);

} // namespace ByteDriver

#endif
