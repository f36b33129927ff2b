/*
 * DriverExchange.h - the memory the check runner shares with the scripted
 * driver: the driver's answers going in, the log of its calls coming out.
 *
 * Both live in one process, so the runner owns one DriverExchange and puts
 * its address in an environment variable before it loads the plug-in. The
 * driver then needs no export beyond the eleven operations and touches no
 * file and no heap while the plug-in runs.
 */
#ifndef POWERMETER_CHECK_DRIVEREXCHANGE_H
#define POWERMETER_CHECK_DRIVEREXCHANGE_H

#include <stdint.h>

/* Holds the exchange's address in hexadecimal. */
#define CHECK_EXCHANGE_VARIABLE "RSNRPZ_CHECK_EXCHANGE"

/* Changes whenever the layout below does. */
#define CHECK_EXCHANGE_MAGIC 0x4E525A31u

/* ---- Limits ---------------------------------------------------------------- */
enum {
    CheckMaxAnswers = 64,       /* per operation */
    CheckMaxValues = 16,        /* listed values of one fetch answer */
    CheckMaxMessages = 16,
    CheckMessageCapacity = 512, /* scripted texts may be longer than the plug-in's buffer */
    CheckMaxLogLines = 4096,
    CheckLogLineLength = 160,
    CheckResultCapacity = 1024, /* what the plug-in promises room for */
};

/* ---- The driver's operations ---------------------------------------------- */
enum CheckOperation {
    CheckInit,
    CheckRevisionQuery,
    CheckErrorMessage,
    CheckChanReset,
    CheckChanMode,
    CheckSetContAvBufferSize,
    CheckTriggerSetCount,
    CheckAvgSetEnabled,
    CheckChanInitiate,
    CheckIsMeasurementComplete,
    CheckFetchBufferMeasurement,
    CheckOperationCount
};

/* ---- Script ---------------------------------------------------------------- */

/* One answer; used `repeat` times, and the last one of an operation is used
 * again once the queue runs out. Flags say which outputs it writes. */
struct CheckAnswer {
    int32_t status;
    int32_t repeat;
    uint8_t writesSession;
    uint8_t writesComplete;
    uint8_t writesReadcount;
    uint8_t hasFill;
    uint32_t session;  /* stored through rsnrpz_init's last argument */
    uint16_t complete; /* stored through the completion flag */
    int32_t readcount; /* stored through the fetch's count */
    int32_t valueCount;
    double values[CheckMaxValues]; /* written from index 0 */
    double fill; /* written after the listed values, up to readcount (at most 1024) */
};

struct CheckAnswerQueue {
    int32_t count;
    int32_t next;
    int32_t usedOfNext;
    struct CheckAnswer answers[CheckMaxAnswers];
};

/* The text rsnrpz_error_message writes for one status: `length` bytes, and
 * a terminator only when they fit in the plug-in's 256 characters. */
struct CheckMessage {
    int32_t status;
    int32_t length;
    int32_t writesText;
    char text[CheckMessageCapacity];
};

/* ---- The whole exchange --------------------------------------------------- */
struct DriverExchange {
    uint32_t magic;
    uint32_t size;
    struct CheckAnswerQueue queues[CheckOperationCount];
    int32_t messageCount;
    struct CheckMessage messages[CheckMaxMessages];
    /* The runner adds its own observations (pauses) to the same log. */
    int32_t logCount;
    int32_t logDropped;
    char log[CheckMaxLogLines][CheckLogLineLength];
};

#endif /* POWERMETER_CHECK_DRIVEREXCHANGE_H */
