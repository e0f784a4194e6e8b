#include "views/page_layout.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

TEST(PageLayout, PartsStayOnThePageAndApartAtEverySize) {
    // The smallest window's page, the design size, a large and a very wide one.
    for (const QSize page : {QSize(812, 662), QSize(830, 700), QSize(1400, 950), QSize(2400, 700)}) {
        SCOPED_TRACE(testing::Message() << page.width() << " x " << page.height());
        const tv::AircraftPageLayout l = tv::layOutAircraftPage(page);
        const std::vector<std::pair<const char*, QRect>> parts = {
            {"Image2", l.Image2}, {"ScrollBar6", l.ScrollBar6}, {"CheckBoxA", l.CheckBoxA},
            {"Label_Press", l.Label_Press}, {"Image3", l.Image3}, {"ScrollBar1", l.ScrollBar1},
            {"ScrollBar2", l.ScrollBar2}, {"Memo1", l.Memo1}};
        const QRect pageRect(QPoint(0, 0), page);
        for (const auto& [name, r] : parts) EXPECT_TRUE(pageRect.contains(r)) << name;
        for (std::size_t a = 0; a < parts.size(); ++a)
            for (std::size_t b = a + 1; b < parts.size(); ++b)
                EXPECT_FALSE(parts[a].second.intersects(parts[b].second)) << parts[a].first << " and " << parts[b].first;
        EXPECT_GE(l.Memo1.height(), tv::kResultsBoxMinHeight);
        EXPECT_GE(l.Memo1.top(), tv::kMarginFieldTop + 21) << "under the margin field";
        EXPECT_NEAR(double(l.Image3.top()) / page.height(), 0.6, 0.01);
        EXPECT_TRUE(pageRect.contains(tv::layOutPlanformView(page)));
    }
}
