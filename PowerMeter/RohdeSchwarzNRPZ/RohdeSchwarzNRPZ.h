/**
 * @file RohdeSchwarzNRPZ.h
 * @brief Entry points of the Rohde & Schwarz NRP-Z11 power-meter plug-in.
 *
 * A host loads the plug-in (RohdeSchwarzNRPZ.dll, libRohdeSchwarzNRPZ.so)
 * and looks these fourteen functions up by their plain names. The function
 * pointer types at the end give hosts one place to take their types from.
 *
 * Lifecycle: call EquipmentSetup() once, then PowerMeterPower() as often as
 * needed; PowerMeterReset() opens and sets the sensor up again. The sensor
 * entry points share one session and must not run concurrently.
 */
#ifndef POWERMETER_ROHDESCHWARZNRPZ_H
#define POWERMETER_ROHDESCHWARZNRPZ_H

#include <stdint.h>

/* ---- Export and calling convention --------------------------------------
 * The build defines ROHDESCHWARZNRPZ_EXPORTS; hosts see plain declarations.
 * Entry points use the C default convention (the caller cleans the stack),
 * so a host may pass any argument list to the setters. */
#if defined(_WIN32)
#define POWERMETER_CALL __cdecl
#if defined(ROHDESCHWARZNRPZ_EXPORTS)
#define POWERMETER_API __declspec(dllexport)
#else
#define POWERMETER_API
#endif
#else
#define POWERMETER_CALL
#if defined(ROHDESCHWARZNRPZ_EXPORTS) && defined(__GNUC__)
#define POWERMETER_API __attribute__((visibility("default")))
#else
#define POWERMETER_API
#endif
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Sensor ------------------------------------------------------------ */

/** Opens the sensor and sets it up for buffered measurement.
 *  @return 0 when the sensor is open and set up, -1 otherwise. */
POWERMETER_API int32_t POWERMETER_CALL EquipmentSetup(void);

/** Opens and sets the sensor up again; the same as EquipmentSetup(). */
POWERMETER_API int32_t POWERMETER_CALL PowerMeterReset(void);

/** Takes one reading. Blocks for at least 50 ms.
 *  @return the power in dBm; NaN when the reading failed. */
POWERMETER_API double POWERMETER_CALL PowerMeterPower(void);

/* ---- Identity ---------------------------------------------------------- */

/** @return "Rohde&Schwarz NRPZ", valid while the plug-in is loaded. */
POWERMETER_API const char *POWERMETER_CALL EquipmentName(void);

/** @return the same text, at the same address, as EquipmentName(). */
POWERMETER_API const char *POWERMETER_CALL PowerMeterModel(void);

/* ---- Limits (fixed) ---------------------------------------------------- */

POWERMETER_API double POWERMETER_CALL PowerMeterPowerMinimum(void);     /**< -100.0 */
POWERMETER_API double POWERMETER_CALL PowerMeterPowerMaximum(void);     /**< 100.0 */
POWERMETER_API double POWERMETER_CALL PowerMeterFrequencyMinimum(void); /**< 0.0 */
POWERMETER_API double POWERMETER_CALL PowerMeterFrequencyMaximum(void); /**< 1.0e12 */
POWERMETER_API double POWERMETER_CALL PowerMeterDurationMinimum(void);  /**< 0.0 */
POWERMETER_API double POWERMETER_CALL PowerMeterDurationMaximum(void);  /**< 1.0 */

/* ---- Settings (accepted and ignored) ------------------------------------
 * Each returns 0. They read no argument: whatever a host passes is left
 * on its own stack and cleaned up by it. */

POWERMETER_API int32_t POWERMETER_CALL PowerMeterFrequencySet(void);
POWERMETER_API int32_t POWERMETER_CALL PowerMeterPowerLevelSet(void);
POWERMETER_API int32_t POWERMETER_CALL PowerMeterDurationSet(void);

/* ---- Types for hosts that look the entry points up by name -------------- */

typedef int32_t(POWERMETER_CALL *PowerMeterSetupFunction)(void);   /**< EquipmentSetup, PowerMeterReset */
typedef double(POWERMETER_CALL *PowerMeterReadFunction)(void);     /**< PowerMeterPower */
typedef const char *(POWERMETER_CALL *PowerMeterTextFunction)(void); /**< EquipmentName, PowerMeterModel */
typedef double(POWERMETER_CALL *PowerMeterLimitFunction)(void);    /**< the six limits */
typedef int32_t(POWERMETER_CALL *PowerMeterSetFunction)(void);     /**< the three setters */

#ifdef __cplusplus
}
#endif

#endif /* POWERMETER_ROHDESCHWARZNRPZ_H */
