// A scriptable stand-in for the eleven driver operations and the pause,
// linked into unit tests in place of the driver library and the operating
// system's pause. Nothing waits; every call is logged in order.
#ifndef TESTS_FAKE_DRIVER_H
#define TESTS_FAKE_DRIVER_H

#include "rsnrpz.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

struct FakeDriver {
    // rsnrpz_init stores this handle, whatever status it returns.
    RsnrpzSession sessionToIssue = 7;

    // Statuses handed out per operation, in call order; 0 once a queue runs dry.
    std::map<std::string, std::deque<RsnrpzStatus>> statuses;

    // The poll (counted from the last initiate) that first reports completion;
    // 0 or less: never.
    int completeOnPoll = 1;

    // What the fetch writes: these values from index 0, and their number as the
    // read count unless `readCount` overrides it or `writeReadCount` is false.
    std::vector<double> values = {1e-3, 1e-3, 1e-3, 1e-3};
    bool overrideReadCount = false;
    int32_t readCount = 0;
    bool writeReadCount = true;

    // Texts rsnrpz_error_message writes, by status; others get "driver error <status>".
    std::map<RsnrpzStatus, std::string> errorTexts;
    // Fill the whole message buffer with 'x' and no terminator instead.
    bool unterminatedErrorText = false;

    // Every operation and pause, e.g. "rsnrpz_chan_mode(7,1,1)", "pause(50)".
    std::vector<std::string> calls;
    int pollsSinceInitiate = 0;

    // Makes the next calls of `operation` return these statuses.
    void failNext(const std::string &operation, std::initializer_list<RsnrpzStatus> next);
    // How many times `operation` was called.
    int count(const std::string &operation) const;
};

// The one fake the operations answer from; reset before each test.
FakeDriver &fakeDriver();
void resetFakeDriver();

#endif
