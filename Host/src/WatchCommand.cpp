#include "Commands.h"
#include "ExitCodes.h"
#include "Interrupt.h"
#include "PowerMeterPlugin.h"
#include "Recovery.h"
#include "Terminal.h"
#include "WatchScreen.h"

#include <cmath>
#include <cstdio>

int WatchCommandRun(const WatchOptions &options)
{
    PluginLibrary library;
    PowerMeterPlugin plugin;
    if (!PowerMeterOpen(options.plugin, library, plugin))
        return ExitPluginUnusable;

    InterruptCatch();
    if (!PowerMeterSetUp(plugin))
        return ExitSetupFailed;

    PowerMeterDescription description = PowerMeterDescribe(plugin);
    WatchState state;
    state.instrument = description.name;
    state.powerMinimum = description.powerMinimum;
    state.powerMaximum = description.powerMaximum;

    bool live = TerminalScreenBegin(stdout);
    bool utf8 = live && TerminalUsesUtf8();

    RunEnd end = RunEnd::Completed;
    while (options.count == 0 || state.index < options.count) {
        if (InterruptRequested()) {
            end = RunEnd::Interrupted;
            break;
        }
        state.latestDbm = plugin.PowerMeterPower();
        ++state.index;
        state.statistics.add(state.latestDbm);
        if (live) {
            TerminalScreenDraw(stdout, WatchScreenRender(state, TerminalColumns(stdout, 80), utf8));
        } else {
            std::fputs(WatchLine(state).c_str(), stdout);
            std::fflush(stdout);
        }
        bool more = options.count == 0 || state.index < options.count;
        if (std::isnan(state.latestDbm) && more)
            RecoverAfterFailedReading(plugin, state.index, live ? nullptr : stderr); // the screen shows it
    }
    if (live)
        TerminalScreenEnd(stdout);
    std::fputs(FormatTextSummary(state.statistics, end).c_str(), stdout);
    std::fflush(stdout);
    return state.statistics.failed() > 0 ? ExitReadingFailed : ExitSuccess;
}
