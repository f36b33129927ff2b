/* The built powermeter over the simulated sensor beside it: what a test
 * engineer sees on stdout and stderr, and the exit codes. */
#include "ExitCodes.h"
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

namespace fs = std::filesystem;

namespace {

class EndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Readings complete at once and repeat from run to run.
        ProgramSetEnvironment("RSNRPZ_SIM_APERTURE_MS", "0");
        ProgramSetEnvironment("RSNRPZ_SIM_SEED", "42");
        ProgramSetEnvironment("RSNRPZ_SIM_ABSENT", "");
        ProgramSetEnvironment("RSNRPZ_SIM_REMOVE_AFTER", "");
        const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
        scratch = fs::temp_directory_path() / ("powermeter-" + std::string(test->name()));
        fs::remove_all(scratch);
        fs::create_directories(scratch);
        // Windows also looks for a plug-in's driver in the current folder:
        // run where no driver is.
        previousFolder = fs::current_path();
        fs::current_path(scratch);
    }

    void TearDown() override
    {
        fs::current_path(previousFolder);
        std::error_code ignored;
        fs::remove_all(scratch, ignored);
    }

    ProgramResult run(const std::vector<std::string> &arguments) { return ProgramRun(arguments, scratch); }

    fs::path plugin() const { return ProgramFolder() / POWERMETER_DEFAULT_PLUGIN; }

    fs::path scratch;
    fs::path previousFolder;
};

bool Contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

const std::regex DbmLine("-?[0-9]+\\.[0-9]{3} dBm");
const std::regex CsvRow("[0-9]+,[0-9]+\\.[0-9]{3},(-?[0-9]+\\.[0-9]{6}|nan|-inf|inf)");

TEST_F(EndToEndTest, InfoShowsIdentityAndLimitsOfTheDefaultPlugIn)
{
    ProgramResult result = run({"info"});
    EXPECT_EQ(result.exitCode, ExitSuccess) << result.err;
    EXPECT_TRUE(Contains(result.out, "name       Rohde&Schwarz NRPZ")) << result.out;
    EXPECT_TRUE(Contains(result.out, "model      Rohde&Schwarz NRPZ")) << result.out;
    EXPECT_TRUE(std::regex_search(result.out, std::regex("power +-100 +100"))) << result.out;
    EXPECT_TRUE(std::regex_search(result.out, std::regex("frequency +0 +1e\\+12"))) << result.out;
    EXPECT_TRUE(std::regex_search(result.out, std::regex("duration +0 +1"))) << result.out;
    EXPECT_EQ(result.err, "");
}

TEST_F(EndToEndTest, ReadTextGivesOneLinePerReadingThenTheSummary)
{
    ProgramResult result = run({"read", "-n", "5"});
    EXPECT_EQ(result.exitCode, ExitSuccess) << result.err;
    std::vector<std::string> lines = ProgramLines(result.out);
    ASSERT_EQ(lines.size(), 5u + 7u) << result.out;
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(std::regex_match(lines[i], DbmLine)) << lines[i];
    EXPECT_EQ(lines[5], "--");
    EXPECT_EQ(lines[6], "readings  5");
    EXPECT_EQ(lines[7], "failed    0");
    EXPECT_TRUE(std::regex_match(lines[8], std::regex("mean      -[0-9.]+ dBm = [0-9.e-]+ mW \\(averaged in linear power\\)")))
        << lines[8];
    EXPECT_TRUE(Contains(lines[11], "std dev"));
    // Not a terminal: nothing on stderr but errors, and there were none.
    EXPECT_EQ(result.err, "");
}

TEST_F(EndToEndTest, ReadCsvIsAHeaderAndRowsOnly)
{
    ProgramResult result = run({"read", "-n", "3", "--format", "csv"});
    EXPECT_EQ(result.exitCode, ExitSuccess) << result.err;
    std::vector<std::string> lines = ProgramLines(result.out);
    ASSERT_EQ(lines.size(), 4u) << result.out;
    EXPECT_EQ(lines[0], "index,time_s,dbm");
    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(std::regex_match(lines[i], CsvRow)) << lines[i];
        EXPECT_EQ(lines[i].substr(0, 2), std::to_string(i) + ",");
    }
}

TEST_F(EndToEndTest, ReadJsonIsOneObjectPerLineEndingWithTheSummary)
{
    ProgramResult result = run({"read", "-n", "3", "--format", "json"});
    EXPECT_EQ(result.exitCode, ExitSuccess) << result.err;
    std::vector<std::string> lines = ProgramLines(result.out);
    ASSERT_EQ(lines.size(), 4u) << result.out;
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(std::regex_match(lines[i],
                                     std::regex("\\{\"type\":\"reading\",\"index\":" + std::to_string(i + 1) +
                                                ",\"time_s\":[0-9.]+,\"dbm\":-[0-9.]+,\"status\":\"ok\"\\}")))
            << lines[i];
    EXPECT_TRUE(Contains(lines[3], "{\"type\":\"summary\",\"readings\":3,\"failed\":0,")) << lines[3];
    EXPECT_TRUE(Contains(lines[3], "\"stopped\":\"completed\"}")) << lines[3];
}

TEST_F(EndToEndTest, SameSeedGivesTheSameReadings)
{
    std::string first = run({"read", "-n", "3", "--format", "csv"}).out;
    std::string second = run({"read", "-n", "3", "--format", "csv"}).out;
    // time_s differs from run to run; the dBm column does not.
    std::regex time(",[0-9.]+,");
    EXPECT_EQ(std::regex_replace(first, time, ",,"), std::regex_replace(second, time, ",,"));
}

TEST_F(EndToEndTest, AbsentSensorEndsTheRunWithAClearMessage)
{
    ProgramSetEnvironment("RSNRPZ_SIM_ABSENT", "1");
    for (const char *command : {"read", "watch"}) {
        SCOPED_TRACE(command);
        ProgramResult result = run({command});
        EXPECT_EQ(result.exitCode, ExitSetupFailed);
        EXPECT_TRUE(Contains(result.err, "sensor set-up failed (EquipmentSetup returned -1)")) << result.err;
        // The plug-in's own lines, as it prints them.
        EXPECT_TRUE(Contains(result.out, "Error: No NRP-Z sensor found on USB")) << result.out;
        EXPECT_TRUE(Contains(result.out, "Cannot open NRP_Z11 USB Power Meter")) << result.out;
        EXPECT_FALSE(Contains(result.out, "dBm")) << result.out;
    }
}

TEST_F(EndToEndTest, SensorRemovedMidRunGivesFailedReadingsAndExitOne)
{
    ProgramSetEnvironment("RSNRPZ_SIM_REMOVE_AFTER", "2");
    ProgramResult result = run({"read", "-n", "5", "--format", "json"});
    EXPECT_EQ(result.exitCode, ExitReadingFailed);
    std::vector<std::string> objects;
    for (const std::string &line : ProgramLines(result.out)) {
        // Lines that are not objects are the plug-in's: its "Error: " lines,
        // and those of the failed opens that try to get the sensor back.
        if (!line.empty() && line[0] == '{')
            objects.push_back(line);
        else
            EXPECT_TRUE(line.rfind("Error: ", 0) == 0 || line == "Cannot open NRP_Z11 USB Power Meter" ||
                        line.empty() || line == "Hit any key to continue")
                << line;
    }
    ASSERT_EQ(objects.size(), 6u) << result.out;
    EXPECT_TRUE(Contains(objects[1], "\"status\":\"ok\""));
    for (int i = 2; i < 5; ++i)
        EXPECT_TRUE(Contains(objects[i], "\"dbm\":null,\"status\":\"failed\"")) << objects[i];
    EXPECT_TRUE(Contains(objects[5], "\"readings\":5,\"failed\":3,")) << objects[5];
    EXPECT_TRUE(Contains(result.out, "Error: Connection to the sensor lost: the sensor was removed"));
    // After each failed reading but the last, one try to set the sensor up again.
    EXPECT_TRUE(Contains(result.err, "powermeter: reading 3 failed; setting the sensor up again\n"
                                     "powermeter: sensor set-up failed (PowerMeterReset returned -1); "
                                     "next try in 1000 ms\n"))
        << result.err;
    EXPECT_TRUE(Contains(result.err, "reading 4 failed")) << result.err;
    EXPECT_FALSE(Contains(result.err, "reading 5 failed")) << result.err;
}

TEST_F(EndToEndTest, OutputFileStaysCleanWhileThePlugInPrintsItsErrors)
{
    ProgramSetEnvironment("RSNRPZ_SIM_REMOVE_AFTER", "1");
    fs::path csv = scratch / "run.csv";
    ProgramResult result = run({"read", "-n", "3", "--format", "csv", "--output", csv.string()});
    EXPECT_EQ(result.exitCode, ExitReadingFailed);
    std::vector<std::string> lines = ProgramLines(ProgramReadFile(csv));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "index,time_s,dbm");
    EXPECT_TRUE(std::regex_match(lines[1], CsvRow)) << lines[1];
    EXPECT_TRUE(std::regex_match(lines[2], std::regex("2,[0-9.]+,nan"))) << lines[2];
    EXPECT_TRUE(std::regex_match(lines[3], std::regex("3,[0-9.]+,nan"))) << lines[3];
    // The screen gets the plug-in's lines and the summary.
    EXPECT_TRUE(Contains(result.out, "Error: Connection to the sensor lost")) << result.out;
    EXPECT_TRUE(Contains(result.out, "readings  3\nfailed    2\n")) << result.out;
}

TEST_F(EndToEndTest, UnwritableOutputFileIsRefusedBeforeTheSensorIsTouched)
{
    ProgramResult result = run({"read", "--output", (scratch / "no-such-folder" / "run.csv").string()});
    EXPECT_EQ(result.exitCode, ExitOutputFailed);
    EXPECT_TRUE(Contains(result.err, "cannot write")) << result.err;
    EXPECT_EQ(result.out, "");
}

TEST_F(EndToEndTest, WatchFallsBackToOneLinePerReadingWithoutATerminal)
{
    ProgramResult result = run({"watch", "-n", "3"});
    EXPECT_EQ(result.exitCode, ExitSuccess) << result.err;
    std::vector<std::string> lines = ProgramLines(result.out);
    ASSERT_GE(lines.size(), 4u) << result.out;
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(std::regex_match(
            lines[i], std::regex(std::to_string(i + 1) + " -[0-9.]+ dBm  min -[0-9.]+  max -[0-9.]+  mean -[0-9.]+")))
            << lines[i];
    EXPECT_EQ(lines[3], "--");
    EXPECT_FALSE(Contains(result.out, "\033[")) << "no cursor codes in a pipe";
}

TEST_F(EndToEndTest, MissingDriverIsNamedWhenThePlugInIsAlone)
{
    fs::path alone = scratch / plugin().filename();
    fs::copy_file(plugin(), alone);
    ProgramResult result = run({"info", "--plugin", alone.string()});
    EXPECT_EQ(result.exitCode, ExitPluginUnusable);
    EXPECT_TRUE(Contains(result.err, "cannot load plug-in " + alone.string())) << result.err;
    EXPECT_TRUE(Contains(result.err, POWERMETER_DRIVER_FILE " is not beside the plug-in")) << result.err;
    EXPECT_EQ(result.out, "");
}

TEST_F(EndToEndTest, MissingPlugInFileIsNamed)
{
    fs::path absent = scratch / "nothing-here.dll";
    ProgramResult result = run({"read", "--plugin", absent.string()});
    EXPECT_EQ(result.exitCode, ExitPluginUnusable);
    EXPECT_TRUE(Contains(result.err, absent.string() + ": no such file")) << result.err;
}

TEST_F(EndToEndTest, CheckFindsAllFourteenAndAnswersLive)
{
    ProgramResult result = run({"check", plugin().string(), "--live"});
    EXPECT_EQ(result.exitCode, ExitSuccess) << result.out;
    EXPECT_TRUE(Contains(result.out, "entry points: 14 of 14 found")) << result.out;
    EXPECT_FALSE(Contains(result.out, "MISSING")) << result.out;
    EXPECT_TRUE(std::regex_search(result.out, std::regex("PowerMeterFrequencyMaximum +1e\\+12"))) << result.out;
    EXPECT_TRUE(Contains(result.out, "EquipmentSetup               0 (sensor ready)")) << result.out;
    EXPECT_TRUE(std::regex_search(result.out, std::regex("PowerMeterPower #3 +-[0-9.]+ dBm"))) << result.out;
    EXPECT_TRUE(Contains(result.out, "result    ok: all 14 entry points found")) << result.out;
}

TEST_F(EndToEndTest, CheckLiveWithoutASensorFailsAtSetUp)
{
    ProgramSetEnvironment("RSNRPZ_SIM_ABSENT", "1");
    ProgramResult result = run({"check", plugin().string(), "--live"});
    EXPECT_EQ(result.exitCode, ExitSetupFailed) << result.out;
    EXPECT_TRUE(Contains(result.out, "EquipmentSetup               -1 (failed)")) << result.out;
}

TEST_F(EndToEndTest, CheckListsWhatALibraryWithoutTheEntryPointsLacks)
{
    // The driver is a perfectly good library, but not a power-meter plug-in.
    ProgramResult result = run({"check", (ProgramFolder() / POWERMETER_DRIVER_FILE).string()});
    EXPECT_EQ(result.exitCode, ExitPluginUnusable);
    EXPECT_TRUE(Contains(result.out, "load      ok")) << result.out;
    EXPECT_TRUE(Contains(result.out, "entry points: 0 of 14 found")) << result.out;
    EXPECT_TRUE(std::regex_search(result.out, std::regex("PowerMeterDurationSet +MISSING"))) << result.out;
    EXPECT_TRUE(Contains(result.out, "result    14 missing: EquipmentSetup, PowerMeterReset,")) << result.out;
}

TEST_F(EndToEndTest, CheckRejectsAFileThatIsNoLibrary)
{
    fs::path bad = scratch / ("bad-" + plugin().filename().string());
    {
        std::ofstream file(bad);
        file << "this is not a library\n";
    }
    ProgramResult result = run({"check", bad.string()});
    EXPECT_EQ(result.exitCode, ExitPluginUnusable);
    EXPECT_TRUE(Contains(result.out, "load      failed: ")) << result.out;
    EXPECT_TRUE(Contains(result.out, "result    not loaded")) << result.out;
}

#if !defined(_WIN32)
TEST_F(EndToEndTest, CtrlCEndsAContinuousRunWithItsSummary)
{
    // --foreground: timeout otherwise signals its whole process group as
    // well, and a second SIGINT on a loaded machine ends the run at once.
    ProgramResult result = ProgramRun({"read", "--continuous", "--format", "json"}, scratch,
                                      "timeout --foreground --preserve-status -s INT 1 ");
    EXPECT_EQ(result.exitCode, ExitSuccess) << result.err;
    std::vector<std::string> lines = ProgramLines(result.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(Contains(lines.back(), "\"stopped\":\"interrupted\"}")) << lines.back();
}
#endif

} // namespace
