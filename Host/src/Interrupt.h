/* Ctrl-C ends a run between two readings instead of killing the program,
 * so that the run still prints its summary. */
#ifndef POWERMETER_HOST_INTERRUPT_H
#define POWERMETER_HOST_INTERRUPT_H

/* From now on the first Ctrl-C (SIGINT, SIGTERM; console Ctrl-C on
 * Windows) only raises a flag; a second one ends the program. */
void InterruptCatch();

/* True once Ctrl-C was pressed. */
bool InterruptRequested();

#endif /* POWERMETER_HOST_INTERRUPT_H */
