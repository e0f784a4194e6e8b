// Project reader: any bytes read as a ".tv4" file, written and read again, give the same model,
// and the second writing gives the same bytes.
#include "fuzz/project_roundtrip.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tvfuzz::checkProjectRoundTrip({reinterpret_cast<const char*>(data), size}, "fuzz.tv4");
    return 0;
}
