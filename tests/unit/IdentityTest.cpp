// The entry points with fixed answers.
#include "PluginTest.h"

#include <cstring>
#include <string>

namespace {

class IdentityTest : public PluginTest {};

// A host's own view of a setter; the generic function type keeps the
// compiler from warning about the deliberate mismatch.
template <typename Setter> Setter castSetter(PowerMeterSetFunction setter)
{
    return reinterpret_cast<Setter>(reinterpret_cast<void (*)(void)>(setter));
}

// Calls a setter as a host does, through the host's own function type.
// UndefinedBehaviorSanitizer's function check flags that mismatch, which is
// the point here.
template <typename Setter, typename... Args>
#if defined(__clang__)
__attribute__((no_sanitize("function")))
#endif
int32_t callAsHost(PowerMeterSetFunction setter, Args... args)
{
    return castSetter<Setter>(setter)(args...);
}

TEST_F(IdentityTest, NameAndModelShareOneText)
{
    EXPECT_STREQ(EquipmentName(), "Rohde&Schwarz NRPZ");
    EXPECT_EQ(PowerMeterModel(), EquipmentName());
}

struct Limit {
    const char *name;
    PowerMeterLimitFunction function;
    double value;
};

void PrintTo(const Limit &limit, std::ostream *out)
{
    *out << limit.name;
}

class LimitCases : public IdentityTest, public ::testing::WithParamInterface<Limit> {};

TEST_P(LimitCases, AnswerTheirFixedValue)
{
    EXPECT_EQ(GetParam().function(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Limits, LimitCases,
                         ::testing::Values(Limit{"PowerMinimum", PowerMeterPowerMinimum, -100.0},
                                           Limit{"PowerMaximum", PowerMeterPowerMaximum, 100.0},
                                           Limit{"FrequencyMinimum", PowerMeterFrequencyMinimum, 0.0},
                                           Limit{"FrequencyMaximum", PowerMeterFrequencyMaximum, 1.0e12},
                                           Limit{"DurationMinimum", PowerMeterDurationMinimum, 0.0},
                                           Limit{"DurationMaximum", PowerMeterDurationMaximum, 1.0}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(IdentityTest, SettersAcceptAnyArgumentsAndChangeNothing)
{
    // Hosts call the setters with arguments of their own; the C calling
    // convention leaves them to the caller.
    const char *nameBefore = EquipmentName();

    std::string output = captureStdout([&] {
        EXPECT_EQ(EquipmentSetup(), 0);
        EXPECT_EQ(callAsHost<int32_t(POWERMETER_CALL *)(double)>(PowerMeterFrequencySet, 2.4e9), 0);
        EXPECT_EQ(callAsHost<int32_t(POWERMETER_CALL *)(double, int)>(PowerMeterPowerLevelSet, -30.0, 3), 0);
        EXPECT_EQ(callAsHost<int32_t(POWERMETER_CALL *)(int, int, int)>(PowerMeterDurationSet, 1, 2, 3), 0);
        EXPECT_EQ(PowerMeterFrequencySet(), 0);
        EXPECT_DOUBLE_EQ(PowerMeterPower(), 0.0);
    });
    EXPECT_EQ(output, "");
    EXPECT_EQ(EquipmentName(), nameBefore);
    EXPECT_STREQ(PowerMeterModel(), "Rohde&Schwarz NRPZ");
    EXPECT_EQ(PowerMeterFrequencyMaximum(), 1.0e12);
    EXPECT_EQ(PowerMeterPowerMinimum(), -100.0);
}

TEST_F(IdentityTest, NothingHereTouchesTheDriver)
{
    EquipmentName();
    PowerMeterModel();
    PowerMeterPowerMaximum();
    PowerMeterDurationSet();
    EXPECT_TRUE(driver().calls.empty());
}

} // namespace
