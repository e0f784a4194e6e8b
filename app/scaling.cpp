#include "app/scaling.h"

#include "model/numformat.h"
#include "model/parse.h"

#include <cstdint>
#include <limits>

const std::array<ScaledField, 80>& scalingOrder() {
    static const std::array<ScaledField, 80> order = [] {
        using F = tv::WingField;
        constexpr F planform[14] = {F::RootOffset, F::Span1,    F::Span2,    F::Span3,    F::Chord1,
                                    F::Chord2,     F::Chord3,   F::Chord4,   F::XOffset2, F::XOffset3,
                                    F::XOffset4,   F::Chord5,   F::XOffset5, F::Span4};
        std::array<ScaledField, 80> o{};
        int i = 0;
        for (int w = 1; w <= 5; ++w) o[i++] = {w, F::PositionX};
        for (int w = 1; w <= 5; ++w) o[i++] = {w, F::PositionZ};
        for (int w = 1; w <= 5; ++w)
            for (F f : planform) o[i++] = {w, f};
        return o;
    }();
    return order;
}

std::string scaledFieldText(std::string_view text, double factor) {
    int64_t v = tv::roundHalfEven(double(tv::parseLenientInt(text)) * factor);
    if (v > std::numeric_limits<int32_t>::max()) v = std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) v = std::numeric_limits<int32_t>::min();
    return std::to_string(v);
}
