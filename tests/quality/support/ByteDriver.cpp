#include "ByteDriver.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const uint8_t *Bytes = nullptr;
size_t Remaining = 0;
RsnrpzSession ExpectedSession = 0;
int CompletingPoll = 1; // counted from the last initiate; 0: never
int PollsSinceInitiate = 0;
ByteDriver::Record Current;

[[noreturn]] void stop(const char *what)
{
    std::fprintf(stderr, "ByteDriver: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

uint8_t take(uint8_t fallback)
{
    if (Remaining == 0)
        return fallback;
    --Remaining;
    return *Bytes++;
}

// Raw little-endian bytes; the fallback when too few are left.
template <typename Value> Value takeRaw(Value fallback)
{
    if (Remaining < sizeof(Value)) {
        Remaining = 0;
        return fallback;
    }
    Value value;
    std::memcpy(&value, Bytes, sizeof value);
    Bytes += sizeof value;
    Remaining -= sizeof value;
    return value;
}

// Mostly success, then the statuses drivers are known for, then anything.
RsnrpzStatus takeStatus()
{
    switch (take(0) % 8) {
    case 1: return -1;
    case 2: return 1; // a warning
    case 3: return INT32_MIN;
    case 4: return INT32_MAX;
    case 5: return static_cast<RsnrpzStatus>(0xBFFF0011u); // a VISA-style error
    case 6: return takeRaw<int32_t>(-2);
    default: return 0;
    }
}

// Fills `buffer` (room for RSNRPZ_TEXT_LENGTH characters) from the bytes.
void takeText(char *buffer)
{
    uint8_t length = take(0);
    size_t count = length == 255 ? RSNRPZ_TEXT_LENGTH : length;
    for (size_t i = 0; i < count && Remaining > 0; ++i)
        buffer[i] = static_cast<char>(take(0));
}

void checkSession(RsnrpzSession session)
{
    if (session != ExpectedSession)
        stop("an operation got a session that rsnrpz_init did not issue last");
}

void checkChannel(RsnrpzSession session, int32_t channel)
{
    checkSession(session);
    if (channel != 1)
        stop("an operation got a channel other than 1");
}

RsnrpzStatus setupStep(RsnrpzSession session, int32_t channel)
{
    checkChannel(session, channel);
    RsnrpzStatus status = takeStatus();
    ++Current.setupSteps;
    Current.setupStepFailed |= status < 0;
    return status;
}

} // namespace

namespace ByteDriver {

void start(const uint8_t *data, size_t size)
{
    Bytes = data;
    Remaining = size;
}

void expectSession(RsnrpzSession session)
{
    ExpectedSession = session;
}

bool exhausted()
{
    return Remaining == 0;
}

uint8_t takeByte(uint8_t fallback)
{
    return take(fallback);
}

void clearRecord()
{
    // Field by field: the texts are large and only the used ones matter.
    Record &r = Current;
    r.inits = r.revisionQueries = r.setupSteps = r.initiates = r.polls = r.pauses = r.fetches = 0;
    r.initStatus = r.initiateStatus = r.fetchStatus = 0;
    r.setupStepFailed = r.lastPollFoundComplete = r.readCountWritten = false;
    r.failedPollsInRow = r.valuesWritten = r.texts = 0;
    r.readCount = 0;
}

const Record &record()
{
    return Current;
}

void countPause(unsigned milliseconds)
{
    if (milliseconds != 50)
        stop("a pause other than 50 ms");
    if (++Current.pauses > PollLimit)
        stop("more than 200 pauses in one entry point: the reading does not give up");
}

} // namespace ByteDriver

extern "C" {

RsnrpzStatus RSNRPZ_CALL rsnrpz_init(const char *resource, RsnrpzBoolean, RsnrpzBoolean, RsnrpzSession *session)
{
    if (resource == nullptr || session == nullptr)
        stop("rsnrpz_init got a null pointer");
    RsnrpzStatus status = takeStatus();
    switch (take(0) % 4) {
    case 0: *session = 7; break;
    case 1: break;
    case 2: *session = 0; break;
    default: *session = takeRaw<uint32_t>(7); break;
    }
    ExpectedSession = *session;
    ++Current.inits;
    Current.initStatus = status;
    return status;
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_revision_query(RsnrpzSession session, char *driverRevision, char *firmwareRevision)
{
    checkSession(session);
    if (driverRevision == nullptr || firmwareRevision == nullptr)
        stop("rsnrpz_revision_query got a null pointer");
    ++Current.revisionQueries;
    RsnrpzStatus status = takeStatus();
    takeText(driverRevision);
    takeText(firmwareRevision);
    return status;
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_error_message(RsnrpzSession session, RsnrpzStatus, char *message)
{
    checkSession(session);
    if (message == nullptr)
        stop("rsnrpz_error_message got a null pointer");
    if (Current.texts == ByteDriver::MaxTexts)
        stop("more failures reported in one entry point than it has driver calls");
    takeText(message);
    // What the plug-in may print: it cleared the buffer before the call and
    // ends it at the last character whatever the driver wrote.
    char *kept = Current.text[Current.texts++];
    size_t length = strnlen(message, RSNRPZ_TEXT_LENGTH - 1);
    std::memcpy(kept, message, length);
    kept[length] = '\0';
    return takeStatus();
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_reset(RsnrpzSession session, int32_t channel)
{
    return setupStep(session, channel);
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_mode(RsnrpzSession session, int32_t channel, int32_t)
{
    return setupStep(session, channel);
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_setContAvBufferSize(RsnrpzSession session, int32_t channel, int32_t)
{
    return setupStep(session, channel);
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_trigger_setCount(RsnrpzSession session, int32_t channel, int32_t)
{
    return setupStep(session, channel);
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_avg_setEnabled(RsnrpzSession session, int32_t channel, RsnrpzBoolean)
{
    return setupStep(session, channel);
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_initiate(RsnrpzSession session, int32_t channel)
{
    checkChannel(session, channel);
    RsnrpzStatus status = takeStatus();
    uint8_t completing = take(0);
    CompletingPoll = completing == 255 ? 0 : completing + 1;
    PollsSinceInitiate = 0;
    ++Current.initiates;
    Current.initiateStatus = status;
    return status;
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_isMeasurementComplete(RsnrpzSession session, int32_t channel,
                                                           RsnrpzBoolean *complete)
{
    checkChannel(session, channel);
    if (complete == nullptr)
        stop("rsnrpz_chan_isMeasurementComplete got a null pointer");
    if (++Current.polls > ByteDriver::PollLimit)
        stop("more than 200 polls in one reading: the reading does not give up");
    ++PollsSinceInitiate;
    bool due = CompletingPoll > 0 && PollsSinceInitiate >= CompletingPoll;
    RsnrpzStatus status = takeStatus();
    switch (take(0) % 4) {
    case 0: *complete = due ? 1 : 0; break;
    case 1: *complete = due ? 0x8000 : 0; break;
    case 2: break;
    default: *complete = 1; break;
    }
    Current.failedPollsInRow = status < 0 ? Current.failedPollsInRow + 1 : 0;
    Current.lastPollFoundComplete = status >= 0 && *complete != 0;
    return status;
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_meass_fetchBufferMeasurement(RsnrpzSession session, int32_t channel, int32_t,
                                                             double *values, int32_t *readCount)
{
    checkChannel(session, channel);
    if (values == nullptr || readCount == nullptr)
        stop("rsnrpz_meass_fetchBufferMeasurement got a null pointer");
    static const int32_t CountCases[] = {0, -1, 1, 4, 1024, 1025, INT32_MIN, INT32_MAX};
    ByteDriver::Record &r = Current;
    ++r.fetches;
    r.fetchStatus = takeStatus();

    uint8_t n = take(4);
    int written = n >= 254 ? ByteDriver::ResultCapacity : n % 5;
    for (int i = 0; i < written; ++i)
        values[i] = r.values[i] = takeRaw<double>(1e-3);
    r.valuesWritten = written;

    r.readCountWritten = true;
    switch (take(0) % 4) {
    case 0: r.readCount = written; break;
    case 1: r.readCountWritten = false; break;
    case 2: r.readCount = CountCases[take(0) % 8]; break;
    default: r.readCount = takeRaw<int32_t>(4); break;
    }
    if (r.readCountWritten)
        *readCount = r.readCount;
    return r.fetchStatus;
}

} // extern "C"
