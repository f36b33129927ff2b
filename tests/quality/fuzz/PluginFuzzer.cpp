// libFuzzer target: every answer of the driver comes from the input, and
// PluginScript checks each entry point's result and output.
#include "PluginScript.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    runPluginScript(data, size);
    return 0;
}
