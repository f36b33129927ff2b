/*
 * ProcessWatch.h - what the runner sees of the process while an entry point
 * runs: heap allocations, and the pauses the plug-in asks the operating
 * system for. Both work by interposing C library functions from the
 * executable, so they exist only where that is possible (glibc); elsewhere
 * the *Available() functions say no and the runner prints a note.
 */
#ifndef POWERMETER_CHECK_PROCESSWATCH_H
#define POWERMETER_CHECK_PROCESSWATCH_H

#include "DriverExchange.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Heap ------------------------------------------------------------------ */
int HeapWatchAvailable(void);
void HeapWatchBegin(void);
/* Allocation calls (malloc, calloc, realloc, the aligned ones) since Begin. */
long HeapWatchEnd(void);

/* ---- Pauses ---------------------------------------------------------------- */
int PauseWatchAvailable(void);
/* Until End, every pause is logged as "pause <n> ms" into the exchange. */
void PauseWatchBegin(struct DriverExchange *exchange);
void PauseWatchEnd(void);

#ifdef __cplusplus
}
#endif

#endif /* POWERMETER_CHECK_PROCESSWATCH_H */
