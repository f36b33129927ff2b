/* The simulated NRP-Z11: one sensor on USB behind the eleven driver
 * operations. Its statuses are public so that tests can name them. */
#ifndef SIMULATED_SENSOR_H
#define SIMULATED_SENSOR_H

#include <stdint.h>

/* ---- Statuses ------------------------------------------------------------
 * Negative values in the VISA error range, as an instrument driver's are. */
enum {
    SimStatusSuccess = 0,
    SimStatusNoSensor = (int32_t)0xBFFF0011,       /* nothing at the resource */
    SimStatusInvalidSession = (int32_t)0xBFFF000E, /* handle never issued */
    SimStatusSensorRemoved = (int32_t)0xBFFF00A6,  /* connection lost */
    SimStatusInvalidResource = (int32_t)0xBFFF0012,
    SimStatusInvalidChannel = (int32_t)0xBFFC0002,
    SimStatusInvalidArgument = (int32_t)0xBFFC0003,
    SimStatusNullPointer = (int32_t)0xBFFC0004,
    SimStatusNotInitiated = (int32_t)0xBFFA0001,  /* fetch without a measurement */
    SimStatusNotComplete = (int32_t)0xBFFA0002,   /* fetch before it completed */
    SimStatusWrongMode = (int32_t)0xBFFA0003,     /* fetch outside buffered mode */
};

/* ---- Environment ----------------------------------------------------------
 * Read when the library loads and at every rsnrpz_init. */
#define SIM_ENV_LEVEL_DBM "RSNRPZ_SIM_LEVEL_DBM"       /* power at the sensor, default -20 */
#define SIM_ENV_NOISE_DB "RSNRPZ_SIM_NOISE_DB"         /* standard deviation, default 0.02 */
#define SIM_ENV_SEED "RSNRPZ_SIM_SEED"                 /* noise seed at each open, default none */
#define SIM_ENV_ABSENT "RSNRPZ_SIM_ABSENT"             /* set, and not 0: no sensor attached */
#define SIM_ENV_REMOVE_AFTER "RSNRPZ_SIM_REMOVE_AFTER" /* readings after an open before the sensor is pulled */
#define SIM_ENV_APERTURE_MS "RSNRPZ_SIM_APERTURE_MS"   /* per-trigger aperture, default 20 */

#endif /* SIMULATED_SENSOR_H */
