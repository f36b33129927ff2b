/*
 * ScenarioRun.h - plays a scenario against the loaded plug-in: scripts the
 * driver, calls each entry point, and compares what happened with what the
 * scenario expects. Findings go to stderr.
 */
#ifndef POWERMETER_CHECK_SCENARIORUN_H
#define POWERMETER_CHECK_SCENARIORUN_H

#include "DriverExchange.h"
#include "Scenario.h"

#include <vector>

/* Copies the scenario's answers and messages into the exchange. */
void ScriptDriver(const Scenario &scenario, DriverExchange &exchange);

/* Tells the scripted driver (through the environment) where the exchange is. */
bool PublishExchange(DriverExchange &exchange);

/* What the runner can observe on this platform. */
struct Observation {
    bool heap;
    bool pauses;
};

/* Runs every step; returns the number of steps that failed. */
int RunScenario(const Scenario &scenario, const std::vector<void *> &entries, DriverExchange &exchange,
                Observation observation);

#endif /* POWERMETER_CHECK_SCENARIORUN_H */
