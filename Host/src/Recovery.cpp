#include "Recovery.h"

#include "Interrupt.h"

#include <thread>

void RecoverAfterFailedReading(const PowerMeterPlugin &plugin, long index, std::FILE *report,
                               std::chrono::milliseconds pause)
{
    if (report != nullptr)
        std::fprintf(report, "powermeter: reading %ld failed; setting the sensor up again\n", index);
    int32_t setup = plugin.PowerMeterReset();
    if (report != nullptr && setup != 0)
        std::fprintf(report, "powermeter: sensor set-up failed (PowerMeterReset returned %d); next try in %lld ms\n",
                     static_cast<int>(setup), static_cast<long long>(pause.count()));

    const auto step = std::chrono::milliseconds(50);
    auto waited = std::chrono::milliseconds(0);
    while (waited < pause && !InterruptRequested()) {
        std::this_thread::sleep_for(step < pause - waited ? step : pause - waited);
        waited += step;
    }
}
