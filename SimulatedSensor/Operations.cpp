/* The eleven driver operations over one simulated NRP-Z11.
 *
 * The sensor keeps its channel settings between sessions, as the real one
 * does; a session is just a handle that rsnrpz_init issued. A measurement
 * takes trigger count x 2 x aperture from rsnrpz_chan_initiate. */
#include "SensorModel.h"
#include "SimulatedSensor.h"
#include "rsnrpz.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <strings.h>

namespace {

const RsnrpzSession FirstHandle = 0x0aad0001u;
const char ResourcePrefix[] = "USB::0x0aad::0x000c::";
const char SerialNumber[] = "100001";
const int32_t Channel = 1;
const int32_t BufferedMode = 1;
const int32_t MaximumCount = 1024;

struct ChannelState {
    int32_t mode;
    int32_t bufferSize;
    int32_t triggerCount;
    bool averaging;
    bool measuring;
    double startedAt;
};

SimSettings Settings = SimReadSettings();
RsnrpzSession LastHandle = 0; /* 0: none issued yet */
long ReadingsDelivered = 0; /* since the last open */
bool Removed = false;       /* pulled after its readings; back when no longer asked to be */
ChannelState State = {0, 1, 1, true, false, 0.0};

bool SensorPresent(void)
{
    return !Settings.absent && !Removed;
}

void ResetChannel(void)
{
    State = ChannelState{0, 1, 1, true, false, 0.0};
}

/* Every operation but rsnrpz_init and rsnrpz_error_message starts here. */
RsnrpzStatus CheckSession(RsnrpzSession session, int32_t channel)
{
    if (LastHandle == 0 || session < FirstHandle || session > LastHandle)
        return SimStatusInvalidSession;
    if (!SensorPresent())
        return SimStatusSensorRemoved;
    if (channel != Channel)
        return SimStatusInvalidChannel;
    return SimStatusSuccess;
}

bool MatchesSensor(const char *resource)
{
    size_t prefixLength = sizeof ResourcePrefix - 1;
    if (strncasecmp(resource, ResourcePrefix, prefixLength) != 0)
        return false;
    const char *serial = resource + prefixLength;
    return std::strcmp(serial, "*") == 0 || std::strcmp(serial, SerialNumber) == 0;
}

double MeasurementMilliseconds(void)
{
    return State.triggerCount * 2.0 * Settings.apertureMilliseconds;
}

bool MeasurementComplete(void)
{
    return State.measuring && SimNowMilliseconds() - State.startedAt >= MeasurementMilliseconds();
}

double SimulatedWatts(void)
{
    double dbm = Settings.levelDbm + SimNoiseGaussian(Settings.noiseDb);
    return std::pow(10.0, dbm / 10.0) / 1000.0;
}

void CopyText(char *target, const char *text)
{
    std::snprintf(target, RSNRPZ_TEXT_LENGTH, "%s", text);
}

} // namespace

extern "C" {

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_init(const char *resource, RsnrpzBoolean identityQuery,
                                                RsnrpzBoolean resetDevice, RsnrpzSession *session)
{
    (void)identityQuery;
    if (session == nullptr || resource == nullptr)
        return SimStatusNullPointer;
    *session = 0;
    if (strncasecmp(resource, "USB", 3) != 0)
        return SimStatusInvalidResource;

    Settings = SimReadSettings();
    if (Settings.removeAfterReadings < 0)
        Removed = false;
    else if (Settings.removeAfterReadings == 0)
        Removed = true; /* pulled before this open */
    if (!SensorPresent() || !MatchesSensor(resource))
        return SimStatusNoSensor;

    if (Settings.seedGiven)
        SimNoiseSeed(Settings.seed);
    ReadingsDelivered = 0; /* removal counts readings from this open */
    if (resetDevice)
        ResetChannel();
    LastHandle = LastHandle == 0 ? FirstHandle : LastHandle + 1;
    *session = LastHandle;
    return SimStatusSuccess;
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_revision_query(RsnrpzSession session, char *driverRevision,
                                                          char *firmwareRevision)
{
    RsnrpzStatus status = CheckSession(session, Channel);
    if (status != SimStatusSuccess)
        return status;
    if (driverRevision == nullptr || firmwareRevision == nullptr)
        return SimStatusNullPointer;
    CopyText(driverRevision, "Simulated NRP-Z driver 1.0");
    CopyText(firmwareRevision, "NRP-Z11 simulated firmware 1.0");
    return SimStatusSuccess;
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_error_message(RsnrpzSession session, RsnrpzStatus status,
                                                         char *message)
{
    (void)session; /* texts are the same for every session, even none */
    if (message == nullptr)
        return SimStatusNullPointer;
    CopyText(message, SimStatusText(status));
    return SimStatusSuccess;
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_reset(RsnrpzSession session, int32_t channel)
{
    RsnrpzStatus status = CheckSession(session, channel);
    if (status == SimStatusSuccess)
        ResetChannel();
    return status;
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_mode(RsnrpzSession session, int32_t channel, int32_t mode)
{
    RsnrpzStatus status = CheckSession(session, channel);
    if (status != SimStatusSuccess)
        return status;
    if (mode < 0 || mode > 5)
        return SimStatusInvalidArgument;
    State.mode = mode;
    return SimStatusSuccess;
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_setContAvBufferSize(RsnrpzSession session, int32_t channel,
                                                                    int32_t bufferSize)
{
    RsnrpzStatus status = CheckSession(session, channel);
    if (status != SimStatusSuccess)
        return status;
    if (bufferSize < 1 || bufferSize > MaximumCount)
        return SimStatusInvalidArgument;
    State.bufferSize = bufferSize;
    return SimStatusSuccess;
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_trigger_setCount(RsnrpzSession session, int32_t channel,
                                                            int32_t count)
{
    RsnrpzStatus status = CheckSession(session, channel);
    if (status != SimStatusSuccess)
        return status;
    if (count < 1 || count > MaximumCount)
        return SimStatusInvalidArgument;
    State.triggerCount = count;
    return SimStatusSuccess;
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_avg_setEnabled(RsnrpzSession session, int32_t channel,
                                                          RsnrpzBoolean enabled)
{
    RsnrpzStatus status = CheckSession(session, channel);
    if (status == SimStatusSuccess)
        State.averaging = enabled != 0;
    return status;
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_initiate(RsnrpzSession session, int32_t channel)
{
    RsnrpzStatus status = CheckSession(session, channel);
    if (status != SimStatusSuccess)
        return status;
    State.measuring = true;
    State.startedAt = SimNowMilliseconds();
    return SimStatusSuccess;
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_isMeasurementComplete(RsnrpzSession session, int32_t channel,
                                                                      RsnrpzBoolean *complete)
{
    RsnrpzStatus status = CheckSession(session, channel);
    if (status != SimStatusSuccess)
        return status;
    if (complete == nullptr)
        return SimStatusNullPointer;
    *complete = MeasurementComplete() ? 1 : 0;
    return SimStatusSuccess;
}

RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_meass_fetchBufferMeasurement(RsnrpzSession session, int32_t channel,
                                                                        int32_t count, double *values,
                                                                        int32_t *readCount)
{
    RsnrpzStatus status = CheckSession(session, channel);
    if (status != SimStatusSuccess)
        return status;
    if (values == nullptr || readCount == nullptr)
        return SimStatusNullPointer;
    if (count < 1)
        return SimStatusInvalidArgument;
    if (State.mode != BufferedMode)
        return SimStatusWrongMode;
    if (!State.measuring)
        return SimStatusNotInitiated;
    if (!MeasurementComplete())
        return SimStatusNotComplete;

    int32_t written = State.triggerCount < count ? State.triggerCount : count;
    for (int32_t i = 0; i < written; ++i)
        values[i] = SimulatedWatts();
    *readCount = written;
    State.measuring = false;
    ++ReadingsDelivered;
    if (Settings.removeAfterReadings >= 0 && ReadingsDelivered >= Settings.removeAfterReadings)
        Removed = true; /* pulled right after this reading */
    return SimStatusSuccess;
}

} // extern "C"
