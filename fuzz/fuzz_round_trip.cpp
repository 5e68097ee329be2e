// libFuzzer target: every input through FuzzEntryPoints::roundTrip().
#include "fuzz/FuzzEntryPoints.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzEntryPoints::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzEntryPoints::roundTrip(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    return 0;
}
