#pragma once
// Switches one locale category to German, whose decimal separator is ",", for the length of a
// test, and restores the previous locale afterwards. A test that cannot switch must skip rather
// than run under the C locale, where it could not fail (scripts/setup.sh generates de_DE.UTF-8).
#include <clocale>
#include <string>

namespace tvtest {

class CommaLocale {
public:
    explicit CommaLocale(int category) : category_(category) {
        const char* old = std::setlocale(category, nullptr);
        saved_ = old ? old : "C";
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
            if (std::setlocale(category, name) == nullptr) continue;
            active_ = std::string(std::localeconv()->decimal_point) == ",";
            if (active_) return;
        }
        std::setlocale(category, saved_.c_str());
    }
    ~CommaLocale() { std::setlocale(category_, saved_.c_str()); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;
    /// True once the category uses "," as decimal separator.
    bool active() const { return active_; }

private:
    int category_;
    std::string saved_;
    bool active_ = false;
};

inline constexpr const char* kNoCommaLocale =
    "the German locale (de_DE.UTF-8) is not installed; scripts/setup.sh generates it";

} // namespace tvtest
