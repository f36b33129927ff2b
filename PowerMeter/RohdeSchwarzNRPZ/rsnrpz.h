/*
 * rsnrpz.h - the eleven operations of the NRP-Z instrument driver library
 * (rsnrpz_32) that the plug-in calls, declared by us.
 *
 * The plug-in links against the driver by file name only, so the maker's
 * rsnrpz_32 library, the simulated sensor or a test driver can stand in its
 * place. Anything offering these operations with these arguments will do.
 */
#ifndef POWERMETER_RSNRPZ_H
#define POWERMETER_RSNRPZ_H

#include <stdint.h>

/* ---- Calling convention and export --------------------------------------
 * Instrument drivers on 32-bit Windows use __stdcall (the callee cleans the
 * stack) and export undecorated names; elsewhere the platform default. */
#if defined(_WIN32) && !defined(_WIN64)
#define RSNRPZ_CALL __stdcall
#else
#define RSNRPZ_CALL
#endif

/* Libraries that implement the operations define RSNRPZ_IMPLEMENTATION so
 * that the operations stay visible when everything else is hidden. On
 * Windows a module-definition file names the exports instead. */
#if defined(RSNRPZ_IMPLEMENTATION) && !defined(_WIN32) && defined(__GNUC__)
#define RSNRPZ_API __attribute__((visibility("default")))
#else
#define RSNRPZ_API
#endif

/* ---- Types ------------------------------------------------------------- */
typedef uint32_t RsnrpzSession; /* handle issued by rsnrpz_init */
typedef int32_t RsnrpzStatus;   /* 0 success, < 0 error, > 0 warning */
typedef uint16_t RsnrpzBoolean; /* 0 false, nonzero true */

/* Text buffers the driver fills hold this many characters, terminator
 * included. */
#define RSNRPZ_TEXT_LENGTH 256

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Session ----------------------------------------------------------- */
RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_init(const char *resource, RsnrpzBoolean identityQuery,
                                                RsnrpzBoolean resetDevice, RsnrpzSession *session);
RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_revision_query(RsnrpzSession session, char *driverRevision,
                                                          char *firmwareRevision);
RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_error_message(RsnrpzSession session, RsnrpzStatus status,
                                                         char *message);

/* ---- Channel set-up ---------------------------------------------------- */
RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_reset(RsnrpzSession session, int32_t channel);
RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_mode(RsnrpzSession session, int32_t channel, int32_t mode);
RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_setContAvBufferSize(RsnrpzSession session, int32_t channel,
                                                                    int32_t bufferSize);
RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_trigger_setCount(RsnrpzSession session, int32_t channel,
                                                            int32_t count);
RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_avg_setEnabled(RsnrpzSession session, int32_t channel,
                                                          RsnrpzBoolean enabled);

/* ---- Measurement ------------------------------------------------------- */
RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_initiate(RsnrpzSession session, int32_t channel);
RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_chan_isMeasurementComplete(RsnrpzSession session, int32_t channel,
                                                                      RsnrpzBoolean *complete);
/* Writes up to `count` powers in watts into `values` from index 0 and their
 * number into `readCount`. */
RSNRPZ_API RsnrpzStatus RSNRPZ_CALL rsnrpz_meass_fetchBufferMeasurement(RsnrpzSession session, int32_t channel,
                                                                        int32_t count, double *values,
                                                                        int32_t *readCount);

#ifdef __cplusplus
}
#endif

#endif /* POWERMETER_RSNRPZ_H */
