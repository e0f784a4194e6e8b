#pragma once
// Text on disk is Windows-1252 (one byte per character); text in memory is UTF-8.
// Both conversions are total: they never fail and every input gives valid output.
#include <string>
#include <string_view>
#include <vector>

namespace tv {

/// Windows-1252 bytes -> UTF-8. The five bytes that Windows-1252 leaves undefined (0x81, 0x8D,
/// 0x8F, 0x90, 0x9D) become the C1 control characters U+0081 .. U+009D of the same number, so
/// any byte sequence (binary junk and NUL included) reads as valid UTF-8 and writes back unchanged.
/// Example: "\xB5" -> "µ" (U+00B5), "\x80" -> "€".
std::string cp1252ToUtf8(std::string_view bytes);

/// UTF-8 -> Windows-1252 bytes. A character that Windows-1252 cannot hold (for instance "→" or
/// a CJK character) is written as one "?"; so is every byte of malformed UTF-8. The C1 controls
/// U+0081, U+008D, U+008F, U+0090, U+009D go back to their single byte, so reading and writing
/// a file round-trips every byte.
/// Example: "äñµ" -> "\xE4\xF1\xB5", "a→b" -> "a?b".
std::string utf8ToCp1252(std::string_view text);

/// The characters of UTF-8 `text` that utf8ToCp1252 would write as "?", each once, in the order
/// of their first appearance (UTF-8 each). Example: "a→b中→" -> {"→", "中"}.
std::vector<std::string> unrepresentableCharacters(std::string_view text);

} // namespace tv
