// Older project reader: any bytes read as a ".da4" file convert to a tagged project that reads
// back as the same model and writes the same bytes again.
#include "fuzz/project_roundtrip.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tvfuzz::checkProjectRoundTrip({reinterpret_cast<const char*>(data), size}, "fuzz.da4");
    return 0;
}
