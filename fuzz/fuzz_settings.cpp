// Settings file: whatever the bytes, the values taken keep their ranges, and writing them and
// reading them again gives the same settings.
#include "files/settingsfile.h"
#include "fuzz/oracle.h"

#include <cstddef>
#include <cstdint>

namespace {

bool sameSettings(const tv::Settings& a, const tv::Settings& b) {
    return a.LanguageLetter == b.LanguageLetter && a.Width == b.Width && a.Height == b.Height && a.Left == b.Left &&
           a.Top == b.Top;
}

void checkRanges(const tv::Settings& s) {
    tvfuzz::expect(!s.Width || (*s.Width > 0 && *s.Width < 3000), "a width outside 1..2999 was taken");
    tvfuzz::expect(!s.Height || (*s.Height > 0 && *s.Height < 2000), "a height outside 1..1999 was taken");
    tvfuzz::expect(!s.Left || (*s.Left >= 0 && *s.Left < 1000), "a left edge outside 0..999 was taken");
    tvfuzz::expect(!s.Top || (*s.Top >= 0 && *s.Top < 1000), "a top edge outside 0..999 was taken");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const tv::Settings first = tv::parseSettings({reinterpret_cast<const char*>(data), size});
    checkRanges(first);
    // The window writes its geometry back: the design-time size where the file gave none.
    const tv::Settings second = tv::parseSettings(tv::settingsBytes(
        first.LanguageLetter, first.Width.value_or(836), first.Height.value_or(758), first.Left.value_or(0),
        first.Top.value_or(0)));
    tv::Settings expected = first;
    expected.Width = first.Width.value_or(836);
    expected.Height = first.Height.value_or(758);
    expected.Left = first.Left.value_or(0);
    expected.Top = first.Top.value_or(0);
    tvfuzz::expect(sameSettings(second, expected), "written settings read back as other settings");
    return 0;
}
