#include "CommandLine.h"

#include "Commands.h"
#include "ExitCodes.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <map>

namespace {

const char *const CommandLineVersion = "powermeter " POWERMETER_VERSION;

const char *const CommandLinePluginHelp =
    "Plug-in library to load (default: " POWERMETER_DEFAULT_PLUGIN " beside this program)";

/* --help and --version on the program and on every command, and the exit
 * codes at the end of each help text. */
void CommandLineCommon(CLI::App &app)
{
    app.set_version_flag("--version", CommandLineVersion, "Print the version and exit");
    app.footer(POWERMETER_EXIT_CODES_HELP);
}

/* A count of readings: a whole number from 1 up. */
const CLI::Validator CommandLineCount(
    [](std::string &text) -> std::string {
        long value = 0;
        std::size_t used = 0;
        try {
            value = std::stol(text, &used);
        } catch (const std::exception &) {
            used = 0;
        }
        if (used == 0 || used != text.size() || value < 1)
            return "must be a whole number of 1 or more, not " + text;
        return std::string();
    },
    "");

} // namespace

int CommandLineRun(int argc, const char *const *argv)
{
    CLI::App app("Takes readings from a power-meter plug-in (the fourteen-entry-point interface).",
                 "powermeter");
    CommandLineCommon(app);
    app.require_subcommand(1);

    std::function<int()> command;

    std::string infoPlugin;
    CLI::App *info = app.add_subcommand("info", "Show the instrument's name, model and limits");
    CommandLineCommon(*info);
    info->add_option("--plugin", infoPlugin, CommandLinePluginHelp)->type_name("PATH");
    info->callback([&] { command = [&] { return InfoCommandRun(infoPlugin); }; });

    ReadOptions read;
    std::string readFormat = "text";
    CLI::App *readCommand = app.add_subcommand("read", "Set the sensor up and take readings");
    CommandLineCommon(*readCommand);
    CLI::Option *count = readCommand->add_option("-n,--count", read.count, "Number of readings (default 10)")
                             ->type_name("COUNT")
                             ->check(CommandLineCount);
    readCommand->add_flag("--continuous", read.continuous, "Read until Ctrl-C")->excludes(count);
    readCommand->add_option("--format", readFormat, "text (default), csv or json (JSON Lines)")
        ->type_name("FORMAT")
        ->check(CLI::IsMember({"text", "csv", "json"}));
    readCommand->add_option("-o,--output", read.output,
                            "Write the readings to FILE instead of stdout; the summary still goes to stdout")
        ->type_name("FILE");
    readCommand->add_option("--plugin", read.plugin, CommandLinePluginHelp)->type_name("PATH");
    readCommand->callback([&] {
        static const std::map<std::string, OutputFormat> formats = {
            {"text", OutputFormat::Text}, {"csv", OutputFormat::Csv}, {"json", OutputFormat::Json}};
        read.format = formats.at(readFormat);
        command = [&] { return ReadCommandRun(read); };
    });

    WatchOptions watch;
    CLI::App *watchCommand = app.add_subcommand("watch", "Live display of the readings until Ctrl-C");
    CommandLineCommon(*watchCommand);
    watchCommand->add_option("-n,--count", watch.count, "Stop after this many readings")
        ->type_name("COUNT")
        ->check(CommandLineCount);
    watchCommand->add_option("--plugin", watch.plugin, CommandLinePluginHelp)->type_name("PATH");
    watchCommand->callback([&] { command = [&] { return WatchCommandRun(watch); }; });

    CheckOptions check;
    CLI::App *checkCommand =
        app.add_subcommand("check", "Probe a plug-in file: entry points, identity, limits");
    CommandLineCommon(*checkCommand);
    checkCommand->add_option("PLUGIN", check.plugin, "Plug-in library to probe")->type_name("PATH")->required();
    checkCommand->add_flag("--live", check.live, "Also set the sensor up and take three readings");
    checkCommand->callback([&] { command = [&] { return CheckCommandRun(check); }; });

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success &done) {
        return app.exit(done); // --help, --version
    } catch (const CLI::ParseError &error) {
        app.exit(error);
        return ExitUsage;
    }
    return command ? command() : ExitUsage;
}
