// Sets the simulated sensor's variables from inside a test process.
#ifndef TESTS_ENVIRONMENT_H
#define TESTS_ENVIRONMENT_H

// Sets `name` to `value`, or removes it when `value` is nullptr.
void setEnvironment(const char *name, const char *value);

#endif
