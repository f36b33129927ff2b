// Runs the plug-in's entry points as a byte string says, with ByteDriver
// answering, and checks every result and every byte printed. Any breach
// stops the process (abort), which is what a fuzzer wants to see.
//
// The first byte of each step picks the entry point (% 4: EquipmentSetup,
// PowerMeterReset, PowerMeterPower, the eleven identity entry points);
// the driver's answers follow (see ByteDriver.h). Up to 64 steps.
#ifndef TESTS_QUALITY_PLUGIN_SCRIPT_H
#define TESTS_QUALITY_PLUGIN_SCRIPT_H

#include <cstddef>
#include <cstdint>

// Starts from a plug-in that has never opened a session.
void runPluginScript(const uint8_t *data, size_t size);

#endif
