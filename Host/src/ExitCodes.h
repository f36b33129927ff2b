/* The program's exit codes; the same table is in --help and the manual. */
#ifndef POWERMETER_HOST_EXIT_CODES_H
#define POWERMETER_HOST_EXIT_CODES_H

enum ExitCode {
    ExitSuccess = 0,         /* done; every reading was a number */
    ExitReadingFailed = 1,   /* at least one reading failed (NaN) */
    ExitUsage = 2,           /* bad command line */
    ExitPluginUnusable = 3,  /* plug-in not loaded, or entry points missing */
    ExitSetupFailed = 4,     /* EquipmentSetup returned -1: no sensor */
    ExitOutputFailed = 5,    /* the --output file could not be written */
};

/* The table as it appears at the end of every --help. */
#define POWERMETER_EXIT_CODES_HELP                                                  \
    "Exit codes:\n"                                                                 \
    "  0  success: every reading was a number (check: all 14 entry points found)\n" \
    "  1  at least one reading failed (NaN)\n"                                      \
    "  2  bad command line\n"                                                       \
    "  3  plug-in could not be loaded, or entry points are missing\n"               \
    "  4  sensor set-up failed (EquipmentSetup returned -1)\n"                      \
    "  5  the --output file could not be written\n"

#endif /* POWERMETER_HOST_EXIT_CODES_H */
