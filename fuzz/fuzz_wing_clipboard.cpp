// Wing clipboard: any bytes inserted into a wing, copied and inserted again give the same wing,
// and the second copy gives the same bytes.
#include "files/wingclipboard.h"
#include "fuzz/oracle.h"
#include "model/planform.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

tv::Wing insertInto(std::string_view bytes) {
    tv::WingTexts texts = tv::defaultAircraftTexts().wings[1];
    tv::applyWingClipboard(tv::parseWingClipboard(bytes), texts);
    return tv::computeWing(texts);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const tv::Wing first = insertInto({reinterpret_cast<const char*>(data), size});
    const std::string copied = tv::wingClipboardBytes(first, std::nullopt);
    const tv::Wing second = insertInto(copied);
    // The clipboard carries all five sections whatever the trapezium count.
    tv::Wing a = first, b = second;
    a.TrapeziumCount = b.TrapeziumCount = tv::kTrapeziumMax;
    tvfuzz::expect(first.TrapeziumCount == second.TrapeziumCount && tvfuzz::sameStoredWing(a, b),
                   "a copied wing inserts as another wing");
    tvfuzz::expect(tv::wingClipboardBytes(second, std::nullopt) == copied, "copying an inserted wing gives other bytes");
    return 0;
}
