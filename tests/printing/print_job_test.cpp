// The print component against the scripted printer service: the neutral values without printers,
// the unit conversions and margins, the page mapping, and documents that fail to begin or end.
#include "fake_printer_service.h"
#include "printing/print_job.h"

#include <gtest/gtest.h>

using tv::TScaling;
using tv::TXPrint;

TEST(XPrint, WithoutPrintersEveryOperationIsNeutralAndTheCanvasStillDraws) {
    for (const bool failing : {false, true}) {
        FakePrinterService s;
        s.losePrinters(failing);
        TXPrint xp(s);
        SCOPED_TRACE(failing ? "failing enumeration" : "no printers");
        EXPECT_EQ(xp.PrinterCount(), 0);
        EXPECT_TRUE(xp.OwnsCanvas());
        xp.setCopies(5);
        xp.setTitle("report");
        xp.setOrientation(tv::TXPrinterOrientation::xpoLandscape);
        EXPECT_EQ(xp.Copies(), 1);
        EXPECT_EQ(xp.Title(), "");
        EXPECT_EQ(xp.Orientation(), tv::TXPrinterOrientation::xpoPortrait);
        EXPECT_FALSE(xp.Aborted());
        EXPECT_TRUE(xp.StartPrinting());
        EXPECT_FALSE(xp.Printing());
        xp.Canvas().drawRect(0, 0, 100, 100); // lands on the own canvas
        EXPECT_TRUE(xp.FinishPrinting());
        EXPECT_EQ(s.begun, 0);
        EXPECT_EQ(s.jobProps.copies, 1);
    }
}

TEST(XPrint, MarginsKeepTheirPhysicalSizeWhenTheUnitChanges) {
    struct Row {
        int dpi;
        TScaling to;
        int dots, units;
    };
    // Conversions truncate toward zero, the product first.
    const Row rows[] = {{300, TScaling::pscMetric10, 300, 254},
                        {600, TScaling::pscMil, 601, 1001},
                        {300, TScaling::pscMetric10, -301, -254},
                        {1200, TScaling::pscMetric100, 1199, 2537}};
    for (const Row& r : rows) {
        FakePrinterService s;
        s.metrics[0].dpiX = s.metrics[0].dpiY = r.dpi;
        TXPrint xp(s);
        xp.ReadDeviceCaps();
        xp.MarginLeft = xp.MarginTop = xp.MarginRight = xp.MarginBottom = r.dots;
        xp.setScaling(r.to);
        EXPECT_EQ(xp.MarginLeft, r.units) << r.dpi << " dpi, " << r.dots;
        EXPECT_EQ(xp.MarginBottom, r.units);
        xp.setScaling(TScaling::pscDot);
        if (r.dots % r.dpi == 0) {
            EXPECT_EQ(xp.MarginTop, r.dots) << "back to dots";
        }
    }
}

TEST(XPrint, WindowExtentIsHalvedUntilItFits) {
    struct Row {
        int dpi;
        TScaling unit;
        int window, viewport;
    };
    const Row rows[] = {{600, TScaling::pscMil, 12000, 7200},
                        {1200, TScaling::pscMetric100, 15240, 7200},
                        {100, TScaling::pscMetric100, 22860, 900}};
    for (const Row& r : rows) {
        tv::DeviceMetrics m;
        m.dpiX = r.dpi;
        m.dpiY = r.dpi;
        const tv::PageMapping pm = tv::pageMapping(m, tv::unitsPerInch(r.unit), 0, 0);
        EXPECT_EQ(pm.windowExtX, r.window) << r.dpi;
        EXPECT_EQ(pm.viewportExtX, r.viewport) << r.dpi;
        EXPECT_EQ(pm.windowExtY, r.window);
        EXPECT_EQ(pm.viewportExtY, r.viewport);
    }
}

TEST(XPrint, Angle10IsStoredModulo3600WithTheDividendsSign) {
    const std::pair<int, int> rows[] = {{3605, 5}, {-10, -10}, {-3605, -5}, {7200, 0}, {3599, 3599}};
    FakePrinterService s;
    TXPrint xp(s);
    for (const auto& [set, stored] : rows) {
        xp.setAngle10(set);
        EXPECT_EQ(xp.Angle10(), stored) << set;
    }
}

TEST(XPrint, OneLogicalUnitIsOneUnitOfScalingFromTheMarginAtThePaperEdge) {
    FakePrinterService s; // printer 0: 600 dpi, printable area 100 dots from the paper edge
    TXPrint xp(s);
    xp.setScaling(TScaling::pscMetric10);
    xp.MarginLeft = 254; // one inch
    xp.MarginTop = 127;
    xp.MarginRight = 0;
    xp.MarginBottom = 0;
    ASSERT_TRUE(xp.StartPrinting());
    EXPECT_TRUE(xp.Printing());
    // Usable page: (4960 - 600 - 0 - 1) * 254 / 600 tenths of a millimetre.
    EXPECT_EQ(xp.PageWidth(), (4960 - 600 - 1) * 254 / 600);
    xp.setScaling(TScaling::pscMil); // ignored while printing
    EXPECT_EQ(xp.Scaling(), TScaling::pscMetric10);
    EXPECT_EQ(xp.MarginLeft, 254);
    xp.Canvas().fillRect(QRect(0, 0, 254, 254), Qt::black); // one square inch
    ASSERT_TRUE(xp.FinishPrinting());
    const QRect drawn = s.lastPage.boundingRect();
    // In printable-area dots: the margin from the paper edge less the 100-dot offset.
    EXPECT_NEAR(drawn.left(), 600 - 100, 2);
    EXPECT_NEAR(drawn.top(), 300 - 100, 2);
    EXPECT_NEAR(drawn.width(), 600, 3);
    EXPECT_NEAR(drawn.height(), 600, 3);
}

TEST(XPrint, APlatformFailureLeavesNoDocumentOpenAndTheFontRestored) {
    struct Row {
        const char* name;
        tv::DocumentFault begin, end;
    };
    const Row rows[] = {{"printer gone at begin", tv::DocumentFault::PrinterGone, tv::DocumentFault::None},
                        {"begin refused", tv::DocumentFault::BeginRefused, tv::DocumentFault::None},
                        {"end failed", tv::DocumentFault::None, tv::DocumentFault::EndFailed}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FakePrinterService s;
        s.beginError = r.begin;
        s.endError = r.end;
        TXPrint xp(s);
        QFont f(QStringLiteral("Courier"));
        f.setPointSize(12);
        xp.setFont(f);
        xp.setScaling(TScaling::pscMetric100);
        const bool began = xp.StartPrinting();
        EXPECT_EQ(began, r.begin == tv::DocumentFault::None);
        if (!began) {
            EXPECT_EQ(xp.lastError(), r.begin);
        }
        const bool finished = xp.FinishPrinting();
        EXPECT_EQ(finished, r.end == tv::DocumentFault::None || !began);
        EXPECT_FALSE(xp.Printing());
        EXPECT_FALSE(s.open);
        EXPECT_EQ(xp.FontSize(), 12);
        EXPECT_EQ(xp.Font().family(), QStringLiteral("Courier"));
    }
}

TEST(XPrint, FontSizeWhilePrintingInPhysicalUnitsFollowsTheUnit) {
    FakePrinterService s; // 600 dpi
    TXPrint xp(s);
    xp.setScaling(TScaling::pscMetric10);
    ASSERT_TRUE(xp.StartPrinting());
    xp.SetFontSize(-12);
    EXPECT_EQ(xp.RequestedFontSize(), -12);
    EXPECT_EQ(xp.FontSize(), 12 * 254 / 600);
    xp.FinishPrinting();
    xp.SetFontSize(12);
    EXPECT_EQ(xp.FontSize(), 12);
}
