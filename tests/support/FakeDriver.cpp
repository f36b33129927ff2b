#include "FakeDriver.h"

#include "pause/Pause.h"

#include <cstdio>
#include <cstring>
#include <sstream>

namespace {

FakeDriver Driver;

RsnrpzStatus nextStatus(const char *operation)
{
    std::deque<RsnrpzStatus> &queue = Driver.statuses[operation];
    if (queue.empty())
        return 0;
    RsnrpzStatus status = queue.front();
    queue.pop_front();
    return status;
}

template <typename... Args> void logCall(const char *operation, Args... args)
{
    std::ostringstream line;
    line << operation << '(';
    const char *separator = "";
    ((line << separator << args, separator = ","), ...);
    line << ')';
    Driver.calls.push_back(line.str());
}

} // namespace

FakeDriver &fakeDriver()
{
    return Driver;
}

void resetFakeDriver()
{
    Driver = FakeDriver();
}

void FakeDriver::failNext(const std::string &operation, std::initializer_list<RsnrpzStatus> next)
{
    statuses[operation].insert(statuses[operation].end(), next.begin(), next.end());
}

int FakeDriver::count(const std::string &operation) const
{
    int found = 0;
    for (const std::string &call : calls)
        found += call.compare(0, operation.size() + 1, operation + "(") == 0;
    return found;
}

void PlatformPause(unsigned milliseconds)
{
    logCall("pause", milliseconds);
}

extern "C" {

RsnrpzStatus RSNRPZ_CALL rsnrpz_init(const char *resource, RsnrpzBoolean identityQuery, RsnrpzBoolean resetDevice,
                                     RsnrpzSession *session)
{
    logCall("rsnrpz_init", resource, identityQuery, resetDevice);
    *session = Driver.sessionToIssue;
    return nextStatus("rsnrpz_init");
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_revision_query(RsnrpzSession session, char *driverRevision, char *firmwareRevision)
{
    logCall("rsnrpz_revision_query", session);
    std::snprintf(driverRevision, RSNRPZ_TEXT_LENGTH, "fake driver 1");
    std::snprintf(firmwareRevision, RSNRPZ_TEXT_LENGTH, "fake firmware 1");
    return nextStatus("rsnrpz_revision_query");
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_error_message(RsnrpzSession session, RsnrpzStatus status, char *message)
{
    logCall("rsnrpz_error_message", session, status);
    if (Driver.unterminatedErrorText) {
        std::memset(message, 'x', RSNRPZ_TEXT_LENGTH);
    } else {
        auto text = Driver.errorTexts.find(status);
        std::string chosen =
            text != Driver.errorTexts.end() ? text->second : "driver error " + std::to_string(status);
        std::strncpy(message, chosen.c_str(), RSNRPZ_TEXT_LENGTH - 1);
    }
    return nextStatus("rsnrpz_error_message");
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_reset(RsnrpzSession session, int32_t channel)
{
    logCall("rsnrpz_chan_reset", session, channel);
    return nextStatus("rsnrpz_chan_reset");
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_mode(RsnrpzSession session, int32_t channel, int32_t mode)
{
    logCall("rsnrpz_chan_mode", session, channel, mode);
    return nextStatus("rsnrpz_chan_mode");
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_setContAvBufferSize(RsnrpzSession session, int32_t channel, int32_t bufferSize)
{
    logCall("rsnrpz_chan_setContAvBufferSize", session, channel, bufferSize);
    return nextStatus("rsnrpz_chan_setContAvBufferSize");
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_trigger_setCount(RsnrpzSession session, int32_t channel, int32_t count)
{
    logCall("rsnrpz_trigger_setCount", session, channel, count);
    return nextStatus("rsnrpz_trigger_setCount");
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_avg_setEnabled(RsnrpzSession session, int32_t channel, RsnrpzBoolean enabled)
{
    logCall("rsnrpz_avg_setEnabled", session, channel, enabled);
    return nextStatus("rsnrpz_avg_setEnabled");
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_initiate(RsnrpzSession session, int32_t channel)
{
    logCall("rsnrpz_chan_initiate", session, channel);
    Driver.pollsSinceInitiate = 0;
    return nextStatus("rsnrpz_chan_initiate");
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_isMeasurementComplete(RsnrpzSession session, int32_t channel,
                                                           RsnrpzBoolean *complete)
{
    logCall("rsnrpz_chan_isMeasurementComplete", session, channel);
    ++Driver.pollsSinceInitiate;
    *complete = Driver.completeOnPoll > 0 && Driver.pollsSinceInitiate >= Driver.completeOnPoll ? 1 : 0;
    return nextStatus("rsnrpz_chan_isMeasurementComplete");
}

RsnrpzStatus RSNRPZ_CALL rsnrpz_meass_fetchBufferMeasurement(RsnrpzSession session, int32_t channel, int32_t count,
                                                             double *values, int32_t *readCount)
{
    logCall("rsnrpz_meass_fetchBufferMeasurement", session, channel, count);
    size_t written = Driver.values.size() < 1024 ? Driver.values.size() : 1024;
    for (size_t i = 0; i < written; ++i)
        values[i] = Driver.values[i];
    if (Driver.writeReadCount)
        *readCount = Driver.overrideReadCount ? Driver.readCount : static_cast<int32_t>(written);
    return nextStatus("rsnrpz_meass_fetchBufferMeasurement");
}

} // extern "C"
