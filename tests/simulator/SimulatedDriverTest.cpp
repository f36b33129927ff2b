// The simulated sensor on its own, called as the plug-in calls a driver.
#include "Environment.h"
#include "SimulatedSensor.h"
#include "rsnrpz.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

const char Resource[] = "USB::0x0aad::0x000c::*";

class SimulatedDriverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setEnvironment(SIM_ENV_APERTURE_MS, "0");
        setEnvironment(SIM_ENV_NOISE_DB, "0");
        setEnvironment(SIM_ENV_SEED, "3");
        setEnvironment(SIM_ENV_LEVEL_DBM, "-10");
        setEnvironment(SIM_ENV_ABSENT, nullptr);
        setEnvironment(SIM_ENV_REMOVE_AFTER, nullptr);
    }

    // Opens and sets the channel up as the plug-in does.
    RsnrpzSession open()
    {
        RsnrpzSession session = 0;
        EXPECT_EQ(rsnrpz_init(Resource, 1, 1, &session), 0);
        EXPECT_EQ(rsnrpz_chan_mode(session, 1, 1), 0);
        EXPECT_EQ(rsnrpz_trigger_setCount(session, 1, 4), 0);
        return session;
    }

    // Starts a measurement and fetches its first value, in watts.
    double readOnce(RsnrpzSession session)
    {
        double values[4] = {0.0, 0.0, 0.0, 0.0};
        int32_t count = -1;
        EXPECT_EQ(rsnrpz_chan_initiate(session, 1), 0);
        EXPECT_EQ(rsnrpz_meass_fetchBufferMeasurement(session, 1, 4, values, &count), 0);
        return values[0];
    }

    std::string message(RsnrpzStatus status)
    {
        char text[RSNRPZ_TEXT_LENGTH] = {0};
        EXPECT_EQ(rsnrpz_error_message(0, status, text), 0);
        return text;
    }
};

TEST_F(SimulatedDriverTest, OpenIssuesANewNonzeroHandleEachTime)
{
    RsnrpzSession first = open();
    RsnrpzSession second = open();
    EXPECT_NE(first, 0u);
    EXPECT_NE(second, first);
}

TEST_F(SimulatedDriverTest, OpenAcceptsOnlyThisSensor)
{
    struct Case {
        const char *resource;
        RsnrpzStatus status;
    } cases[] = {
        {"USB::0x0aad::0x000c::*", 0},
        {"usb::0x0AAD::0x000C::100001", 0},
        {"USB::0x0aad::0x0003::*", SimStatusNoSensor},
        {"USB::0x0aad::0x000c::999", SimStatusNoSensor},
        {"GPIB0::20::INSTR", SimStatusInvalidResource},
    };
    for (const Case &c : cases) {
        RsnrpzSession session = 1234;
        EXPECT_EQ(rsnrpz_init(c.resource, 1, 1, &session), c.status) << c.resource;
        EXPECT_EQ(session != 0, c.status == 0) << c.resource;
    }
}

TEST_F(SimulatedDriverTest, AbsentSensorCannotBeOpened)
{
    setEnvironment(SIM_ENV_ABSENT, "1");
    RsnrpzSession session = 99;
    EXPECT_EQ(rsnrpz_init(Resource, 1, 1, &session), SimStatusNoSensor);
    EXPECT_EQ(session, 0u);
    EXPECT_EQ(message(SimStatusNoSensor), "No NRP-Z sensor found on USB");
}

TEST_F(SimulatedDriverTest, HandlesNeverIssuedAreRefused)
{
    RsnrpzSession session = open();
    RsnrpzBoolean complete = 0;
    EXPECT_EQ(rsnrpz_chan_initiate(0, 1), SimStatusInvalidSession);
    EXPECT_EQ(rsnrpz_chan_isMeasurementComplete(session + 100, 1, &complete), SimStatusInvalidSession);
    EXPECT_EQ(rsnrpz_chan_reset(session, 2), SimStatusInvalidChannel);
}

TEST_F(SimulatedDriverTest, MeasurementIsIncompleteUntilItsTimeHasPassed)
{
    setEnvironment(SIM_ENV_APERTURE_MS, "100000");
    RsnrpzSession session = open();
    RsnrpzBoolean complete = 1;
    ASSERT_EQ(rsnrpz_chan_initiate(session, 1), 0);
    EXPECT_EQ(rsnrpz_chan_isMeasurementComplete(session, 1, &complete), 0);
    EXPECT_EQ(complete, 0);
    double values[4];
    int32_t count = -1;
    EXPECT_EQ(rsnrpz_meass_fetchBufferMeasurement(session, 1, 4, values, &count), SimStatusNotComplete);
}

TEST_F(SimulatedDriverTest, FetchGivesTriggerCountValuesAroundTheLevel)
{
    setEnvironment(SIM_ENV_NOISE_DB, "0.1");
    RsnrpzSession session = open();
    RsnrpzBoolean complete = 0;
    ASSERT_EQ(rsnrpz_chan_initiate(session, 1), 0);
    ASSERT_EQ(rsnrpz_chan_isMeasurementComplete(session, 1, &complete), 0);
    ASSERT_NE(complete, 0);

    std::vector<double> values(1024, -1.0);
    int32_t count = -1;
    ASSERT_EQ(rsnrpz_meass_fetchBufferMeasurement(session, 1, 1024, values.data(), &count), 0);
    ASSERT_EQ(count, 4);
    for (int i = 0; i < count; ++i)
        EXPECT_NEAR(10.0 * std::log10(values[i] * 1000.0), -10.0, 1.0);
    EXPECT_EQ(values[4], -1.0);
}

TEST_F(SimulatedDriverTest, FetchNeedsBufferedModeAndAStartedMeasurement)
{
    RsnrpzSession session = open();
    double values[4];
    int32_t count = -1;
    EXPECT_EQ(rsnrpz_meass_fetchBufferMeasurement(session, 1, 4, values, &count), SimStatusNotInitiated);
    ASSERT_EQ(rsnrpz_chan_mode(session, 1, 0), 0);
    ASSERT_EQ(rsnrpz_chan_initiate(session, 1), 0);
    EXPECT_EQ(rsnrpz_meass_fetchBufferMeasurement(session, 1, 4, values, &count), SimStatusWrongMode);
    EXPECT_EQ(count, -1);
}

TEST_F(SimulatedDriverTest, FetchNeverWritesPastTheCountItIsGiven)
{
    RsnrpzSession session = open();
    double values[4] = {-1.0, -1.0, -1.0, -1.0};
    int32_t count = -1;
    ASSERT_EQ(rsnrpz_chan_initiate(session, 1), 0);
    ASSERT_EQ(rsnrpz_meass_fetchBufferMeasurement(session, 1, 2, values, &count), 0);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(values[2], -1.0);
}

TEST_F(SimulatedDriverTest, RemovedSensorFailsEveryCallUntilPluggedBack)
{
    setEnvironment(SIM_ENV_REMOVE_AFTER, "1");
    RsnrpzSession session = open();
    double values[4];
    int32_t count = -1;
    ASSERT_EQ(rsnrpz_chan_initiate(session, 1), 0);
    ASSERT_EQ(rsnrpz_meass_fetchBufferMeasurement(session, 1, 4, values, &count), 0);

    EXPECT_EQ(rsnrpz_chan_initiate(session, 1), SimStatusSensorRemoved);
    RsnrpzSession again = 0;
    EXPECT_EQ(rsnrpz_init(Resource, 1, 1, &again), SimStatusNoSensor);

    setEnvironment(SIM_ENV_REMOVE_AFTER, nullptr);
    EXPECT_EQ(rsnrpz_init(Resource, 1, 1, &again), 0);
    EXPECT_EQ(rsnrpz_chan_initiate(again, 1), 0);
}

TEST_F(SimulatedDriverTest, SeedRepeatsTheNoiseAndNoSeedDoesNot)
{
    setEnvironment(SIM_ENV_NOISE_DB, "0.5");
    double seeded = readOnce(open());
    EXPECT_EQ(readOnce(open()), seeded);

    // Without a seed, reopening must not restart the noise: a host that
    // resets before every reading would otherwise read one value forever.
    setEnvironment(SIM_ENV_SEED, nullptr);
    double first = readOnce(open());
    EXPECT_NE(readOnce(open()), first);
}

TEST_F(SimulatedDriverTest, VariablesItCannotReadAreIgnored)
{
    setEnvironment(SIM_ENV_NOISE_DB, "0.5");
    setEnvironment(SIM_ENV_SEED, "99999999999");
    double first = readOnce(open());
    EXPECT_NE(readOnce(open()), first);

    setEnvironment(SIM_ENV_REMOVE_AFTER, "1e30");
    RsnrpzSession session = open();
    readOnce(session);
    EXPECT_EQ(rsnrpz_chan_initiate(session, 1), 0);
}

TEST_F(SimulatedDriverTest, AnyAbsentValueButZeroUnplugsTheSensor)
{
    struct Case {
        const char *value;
        bool present;
    } cases[] = {{"1", false}, {"yes", false}, {"true", false}, {"0", true}, {"", true}};
    for (const Case &c : cases) {
        setEnvironment(SIM_ENV_ABSENT, c.value);
        RsnrpzSession session = 0;
        EXPECT_EQ(rsnrpz_init(Resource, 1, 1, &session) == 0, c.present) << '"' << c.value << '"';
    }
}

TEST_F(SimulatedDriverTest, RemovedAfterNoReadingsMeansNoSensorAtTheOpen)
{
    setEnvironment(SIM_ENV_REMOVE_AFTER, "0");
    RsnrpzSession session = 0;
    EXPECT_EQ(rsnrpz_init(Resource, 1, 1, &session), SimStatusNoSensor);
}

TEST_F(SimulatedDriverTest, EveryStatusHasAText)
{
    const RsnrpzStatus statuses[] = {SimStatusNoSensor,        SimStatusInvalidSession, SimStatusSensorRemoved,
                                     SimStatusInvalidResource, SimStatusInvalidChannel, SimStatusInvalidArgument,
                                     SimStatusNullPointer,     SimStatusNotInitiated,   SimStatusNotComplete,
                                     SimStatusWrongMode};
    for (RsnrpzStatus status : statuses)
        EXPECT_FALSE(message(status).empty()) << status;
    EXPECT_EQ(message(-12345), "Unknown status code 0xFFFFCFC7");
}

TEST_F(SimulatedDriverTest, ArgumentsOutOfRangeAreRefused)
{
    RsnrpzSession session = open();
    EXPECT_EQ(rsnrpz_chan_setContAvBufferSize(session, 1, 0), SimStatusInvalidArgument);
    EXPECT_EQ(rsnrpz_trigger_setCount(session, 1, 5000), SimStatusInvalidArgument);
    EXPECT_EQ(rsnrpz_chan_mode(session, 1, -1), SimStatusInvalidArgument);
    EXPECT_EQ(rsnrpz_revision_query(session, nullptr, nullptr), SimStatusNullPointer);
    EXPECT_EQ(rsnrpz_init(Resource, 1, 1, nullptr), SimStatusNullPointer);
}

} // namespace
