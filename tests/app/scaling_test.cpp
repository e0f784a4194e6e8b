#include "app/scaling.h"

#include <gtest/gtest.h>

#include <set>

TEST(Scaling, FieldTexts) {
    struct Row {
        const char* text;
        double factor;
        const char* expected;
    } rows[] = {
        {"764", 0.5, "382"},  {"335", 0.5, "168"},      {"  50", 1.0, "50"},  {"-190", 0.5, "-95"},
        {"5", 0.5, "2"},      {"7", 0.5, "4"},          {"abc", 2.0, "0"},    {"-300", 1.0, "-300"},
        {"2000000000", 4.0, "2147483647"}, {"-2000000000", 4.0, "-2147483648"},
    };
    for (const Row& r : rows) EXPECT_EQ(scaledFieldText(r.text, r.factor), r.expected) << r.text << " x " << r.factor;
}

TEST(Scaling, OrderCoversEveryFieldOnceWithPositionsFirst) {
    const auto& order = scalingOrder();
    std::set<std::pair<int, int>> seen;
    for (const ScaledField& s : order) seen.insert({s.wing, int(s.field)});
    EXPECT_EQ(seen.size(), 80u);
    EXPECT_EQ(order[0].field, tv::WingField::PositionX);
    EXPECT_EQ(order[9].field, tv::WingField::PositionZ);
    EXPECT_EQ(order[10].wing, 1);
    EXPECT_EQ(order[10].field, tv::WingField::RootOffset);
    EXPECT_EQ(order[23].field, tv::WingField::Span4);
    EXPECT_EQ(order[79].wing, 5);
}
