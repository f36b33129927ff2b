/* What the live display shows: pure functions from the run's state to
 * text, so that they can be tested without a terminal. */
#ifndef POWERMETER_HOST_WATCH_SCREEN_H
#define POWERMETER_HOST_WATCH_SCREEN_H

#include "ReadingStatistics.h"

#include <string>

struct WatchState {
    std::string instrument;     /* EquipmentName() */
    double powerMinimum = 0.0;  /* the bar's ends, dBm */
    double powerMaximum = 0.0;
    long index = 0;             /* number of the latest reading */
    double latestDbm = 0.0;
    ReadingStatistics statistics;
};

/* The full screen for a terminal of the given width, lines ending in '\n'
 * (no cursor codes). utf8 picks block characters over ASCII. */
std::string WatchScreenRender(const WatchState &state, int columns, bool utf8);

/* A bar of width cells, filled in proportion to where dbm lies between
 * minimum and maximum (clamped; empty for a reading that is not a number). */
std::string WatchBar(double dbm, double minimum, double maximum, int width, bool utf8);

/* One line per reading, for a stdout that is not a terminal:
 * "12 -20.003 dBm  min -20.031  max -19.975  mean -20.001". */
std::string WatchLine(const WatchState &state);

#endif /* POWERMETER_HOST_WATCH_SCREEN_H */
