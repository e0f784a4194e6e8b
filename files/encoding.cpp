#include "files/encoding.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace tv {
namespace {

/// One conversion descriptor for the length of one call.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    /// Converts as much of [in, in + left) as it can, appending to out. Returns 0 when all input
    /// was taken, otherwise the errno that stopped it (EILSEQ or EINVAL) with in/left at the fault.
    int convert(const char*& in, size_t& left, std::string& out) {
        char buf[4096];
        while (left > 0) {
            char* dst = buf;
            size_t room = sizeof buf;
            char* src = const_cast<char*>(in); // iconv's signature; it never writes the input
            const size_t rc = iconv(cd_, &src, &left, &dst, &room);
            const int err = errno;
            in = src;
            out.append(buf, static_cast<size_t>(dst - buf));
            if (rc != static_cast<size_t>(-1)) continue;
            if (err != E2BIG) return err;
        }
        return 0;
    }

private:
    iconv_t cd_;
};

bool isUndefinedCp1252Byte(unsigned char b) { return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D; }

void appendLatin1(unsigned char b, std::string& out) {
    if (b < 0x80) {
        out.push_back(static_cast<char>(b));
    } else {
        out.push_back(static_cast<char>(0xC0 | (b >> 6)));
        out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
    }
}

/// Length (1..4) of the well-formed UTF-8 sequence at p, or 0 if it is malformed or cut short.
size_t utf8SequenceLength(const unsigned char* p, size_t avail) {
    if (avail == 0) return 0;
    const unsigned char b = p[0];
    size_t n = 0;
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) n = 2;
    else if (b >= 0xE0 && b <= 0xEF) n = 3;
    else if (b >= 0xF0 && b <= 0xF4) n = 4;
    else return 0;
    if (avail < n) return 0;
    for (size_t i = 1; i < n; ++i)
        if ((p[i] & 0xC0) != 0x80) return 0;
    return n;
}

} // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    Converter conv("UTF-8", "CP1252");
    const char* in = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        // Without the converter (no gconv modules) the bytes are read as Latin-1, which is still total.
        const int err = conv.ok() ? conv.convert(in, left, out) : EILSEQ;
        if (err == 0) break;
        // Only the undefined bytes stop the decoder; they become the C1 control of the same number.
        appendLatin1(static_cast<unsigned char>(*in), out);
        ++in;
        --left;
    }
    return out;
}

std::string utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    Converter conv("CP1252", "UTF-8");
    const char* in = text.data();
    size_t left = text.size();
    while (left > 0) {
        const int err = conv.ok() ? conv.convert(in, left, out) : EILSEQ;
        if (err == 0) break;
        const auto* p = reinterpret_cast<const unsigned char*>(in);
        const size_t n = utf8SequenceLength(p, left);
        if (n == 1) {
            out.push_back(*in); // only reached without the converter
        } else if (n == 2 && p[0] == 0xC2 && isUndefinedCp1252Byte(p[1])) {
            out.push_back(static_cast<char>(p[1]));
        } else if (n == 2 && p[0] <= 0xC3 && !conv.ok()) {
            out.push_back(static_cast<char>(((p[0] & 0x03) << 6) | (p[1] & 0x3F)));
        } else {
            out.push_back('?');
        }
        const size_t skip = n == 0 ? 1 : n;
        in += skip;
        left -= skip;
    }
    return out;
}

std::vector<std::string> unrepresentableCharacters(std::string_view text) {
    std::vector<std::string> found;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    for (size_t i = 0; i < text.size();) {
        const size_t n = std::max<size_t>(1, utf8SequenceLength(p + i, text.size() - i));
        const std::string ch(text.substr(i, n));
        i += n;
        if (n == 1 && p[i - 1] < 0x80) continue; // ASCII is always held
        if (utf8ToCp1252(ch) != "?") continue;
        if (std::find(found.begin(), found.end(), ch) == found.end()) found.push_back(ch);
    }
    return found;
}

} // namespace tv
