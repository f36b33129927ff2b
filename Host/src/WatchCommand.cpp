#include "Commands.h"
#include "ExitCodes.h"
#include "Interrupt.h"
#include "PowerMeterPlugin.h"
#include "Terminal.h"
#include "WatchScreen.h"

#include <cstdio>

/* Every line ends by erasing what is left of the previous screen's line, so
 * the display is redrawn in place without flicker. */
static std::string WatchInPlace(const std::string &screen)
{
    std::string text = "\033[H";
    for (char c : screen)
        text += c == '\n' ? std::string("\033[K\n") : std::string(1, c);
    return text + "\033[J";
}

int WatchCommandRun(const WatchOptions &options)
{
    PluginLibrary library;
    PowerMeterPlugin plugin;
    if (!PowerMeterOpen(options.plugin, library, plugin))
        return ExitPluginUnusable;

    InterruptCatch();
    int32_t setup = plugin.EquipmentSetup();
    if (setup != 0) {
        std::fprintf(stderr,
                     "powermeter: sensor set-up failed (EquipmentSetup returned %d); "
                     "is the sensor connected?\n",
                     static_cast<int>(setup));
        return ExitSetupFailed;
    }

    PowerMeterDescription description = PowerMeterDescribe(plugin);
    WatchState state;
    state.instrument = description.name;
    state.powerMinimum = description.powerMinimum;
    state.powerMaximum = description.powerMaximum;

    bool live = TerminalIsInteractive(stdout) && TerminalEnableAnsi(stdout);
    bool utf8 = live && TerminalUsesUtf8();
    if (live)
        std::fputs("\033[2J\033[?25l", stdout); // clear once, hide the cursor

    RunEnd end = RunEnd::Completed;
    while (options.count == 0 || state.index < options.count) {
        if (InterruptRequested()) {
            end = RunEnd::Interrupted;
            break;
        }
        state.latestDbm = plugin.PowerMeterPower();
        ++state.index;
        state.statistics.add(state.latestDbm);
        if (live)
            std::fputs(WatchInPlace(WatchScreenRender(state, TerminalColumns(stdout, 80), utf8)).c_str(),
                       stdout);
        else
            std::fputs(WatchLine(state).c_str(), stdout);
        std::fflush(stdout);
    }
    if (live)
        std::fputs("\033[?25h\n", stdout);
    std::fputs(FormatTextSummary(state.statistics, end).c_str(), stdout);
    std::fflush(stdout);
    return state.statistics.failed() > 0 ? ExitReadingFailed : ExitSuccess;
}
