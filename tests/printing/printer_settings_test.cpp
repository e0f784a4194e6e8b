// Printer settings and capabilities against the scripted printer service: the limits of the
// lists, the setters that ignore what the printer cannot take, the corrections of the new
// settings, printer switching and the events.
#include "fake_printer_service.h"
#include "printing/paper_table.h"
#include "printing/printer_settings.h"

#include <gtest/gtest.h>

#include <cstring>

using tv::TXPrintSet;

TEST(XPrintSet, CapabilityListsAreCutAtTheirLimitsAndAResolutionIsAlwaysOffered) {
    struct Row {
        const char* name;
        int papers, bins, resolutions;
        int wantPapers, wantTrays, wantResolutions;
    };
    const Row rows[] = {{"3000 papers", 3000, 1, 1, 2048, 1, 1},
                        {"100 bins", 1, 100, 1, 1, 64, 1},
                        {"40 resolutions", 1, 1, 40, 1, 1, 32},
                        {"no resolutions", 1, 1, 0, 1, 1, 1}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FakePrinterService s;
        s.caps[0].papers = FakePrinterService::papers(r.papers);
        s.caps[0].bins = FakePrinterService::bins(r.bins);
        s.caps[0].resolutions = FakePrinterService::resolutions(r.resolutions);
        TXPrintSet ps(s);
        const tv::TCapabilities& c = ps.Capabilities();
        EXPECT_EQ(c.Papers.Count(), r.wantPapers);
        EXPECT_EQ(c.Trays.Count(), r.wantTrays);
        EXPECT_EQ(c.Resolutions.Count(), r.wantResolutions);
        EXPECT_EQ(c.Papers.Number(c.Papers.Count() - 1), r.wantPapers); // appended in order
        if (r.resolutions == 0) { // the printer's own resolution
            EXPECT_EQ(c.Resolutions.X(0), 600);
            EXPECT_EQ(c.Resolutions.Y(0), 600);
        }
        EXPECT_EQ(c.Papers.Number(c.Papers.Count()), 0); // past the end
        EXPECT_EQ(c.Trays.Name(-1), "");
    }
}

TEST(XPrintSet, ExtentsAreSignedHalvesAndCopiesDefaultToOne) {
    FakePrinterService s;
    s.caps[0].maxExtent = int32_t(0xFFFF0BB8u); // x 3000, y -1
    s.caps[0].maxCopies = 0;
    TXPrintSet ps(s);
    EXPECT_EQ(ps.Capabilities().MaxExtentX, 3000);
    EXPECT_EQ(ps.Capabilities().MaxExtentY, -1);
    EXPECT_EQ(ps.Capabilities().MinExtentX, 762);
    EXPECT_EQ(ps.Capabilities().MaxCopies, 1);
    EXPECT_EQ(ps.Capabilities().ColorBits, 1);
}

TEST(XPrintSet, WithoutPrintersNothingIsAvailableAndTheMissingPrinterIsReported) {
    for (const bool failing : {false, true}) {
        FakePrinterService s;
        s.losePrinters(failing);
        TXPrintSet ps(s);
        int reported = 0;
        ps.OnNoPrinterAvailable = [&](const void* sender) { reported += sender == &ps; };
        ps.Loaded();
        EXPECT_EQ(reported, 1);
        EXPECT_FALSE(ps.PrintersAvailable());
        EXPECT_EQ(ps.CurrentPrinterIndex(), -1);
        EXPECT_FALSE(ps.Capabilities().Refresh({}));
        tv::TCurrentSettings& cs = ps.CurrentSettings();
        cs.SetCopies(1);
        cs.SetColor(true);
        EXPECT_FALSE(cs.WriteToPrinter());
        EXPECT_FALSE(cs.GetColor());
        EXPECT_EQ(cs.PaperIndex(), 0);
        EXPECT_EQ(cs.PaperName(), "");
        EXPECT_FALSE(ps.NewSettings().WriteToPrinter());
        EXPECT_EQ(ps.ExecutePrintDialog(), 0);
        EXPECT_EQ(s.applyCount, 0);
    }
}

TEST(XPrintSet, SettersIgnoreWhatThePrinterCannotTake) {
    // Printer 0 offers papers 9, 1, 256, trays 15 and 1, one resolution and 99 copies.
    struct Row {
        const char* name;
        void (*set)(tv::TSettings&);
    };
    const Row rows[] = {
        {"paper 42", [](tv::TSettings& t) { t.SetPaper(42); }},
        {"tray 99", [](tv::TSettings& t) { t.SetTray(99); }},
        {"0 copies", [](tv::TSettings& t) { t.SetCopies(0); }},
        {"100 copies", [](tv::TSettings& t) { t.SetCopies(100); }},
        {"resolution -1", [](tv::TSettings& t) { t.SetResolutionIndex(-1); }},
        {"resolution 1", [](tv::TSettings& t) { t.SetResolutionIndex(1); }},
    };
    for (const Row& r : rows) {
        FakePrinterService s;
        TXPrintSet ps(s);
        const tv::DevMode before = ps.CurrentSettings().DevMode;
        r.set(ps.CurrentSettings());
        EXPECT_EQ(s.applyCount, 0) << r.name;
        EXPECT_EQ(ps.CurrentSettings().DevMode, before) << r.name;
    }
}

TEST(XPrintSet, CurrentSettingsReachThePrinterAtOnceWithTheirFlags) {
    FakePrinterService s;
    TXPrintSet ps(s);
    tv::TCurrentSettings& cs = ps.CurrentSettings();
    cs.SetPaper(256);
    EXPECT_EQ(s.applyCount, 1);
    EXPECT_EQ(s.applied.PaperSize, 256);
    EXPECT_TRUE(s.applied.Fields & tv::DM_PAPERSIZE);
    EXPECT_STREQ(s.applied.FormName.data(), "Custom 1");
    EXPECT_EQ(cs.PaperName(), "Custom 1");
    EXPECT_EQ(cs.PaperWidth(), 1000);
    cs.SetResolutionIndex(0);
    EXPECT_EQ(s.applied.PrintQuality, 600);
    EXPECT_EQ(s.applied.Fields & (tv::DM_PRINTQUALITY | tv::DM_YRESOLUTION), tv::DM_PRINTQUALITY | tv::DM_YRESOLUTION);
    cs.SetColor(true); // a monochrome printer
    EXPECT_EQ(s.applied.Color, 1);
    EXPECT_FALSE(cs.GetColor());
    cs.SetDuplex(tv::TDuplexMode::DuplexVertical); // no duplex unit
    EXPECT_EQ(s.applied.Duplex, 1);
    cs.SetOrientation(tv::TPrinterOrientation::poLandscape);
    EXPECT_EQ(s.applied.Orientation, 2);
    EXPECT_EQ(s.applyCount, 5);
}

TEST(XPrintSet, AFormNameLongerThanItsFieldIsCutAndZeroFilled) {
    FakePrinterService s;
    s.caps[0].papers = {{300, std::string(40, 'x') + "ä", 1000, 1000}};
    TXPrintSet ps(s);
    ps.CurrentSettings().SetPaper(300);
    const auto& form = s.applied.FormName;
    EXPECT_EQ(std::strlen(form.data()), 31u);
    EXPECT_EQ(form[31], 0);
}

TEST(XPrintSet, NewSettingsCorrectWhatThePrinterCannotTake) {
    struct Row {
        const char* name;
        void (*set)(tv::TNewSettings&);
        int corrections;
        bool (*check)(const tv::DevMode&);
    };
    const Row rows[] = {
        {"as they are", [](tv::TNewSettings&) {}, 0, [](const tv::DevMode& d) { return d.Copies == 1 && d.PaperSize == 9; }},
        {"0 copies", [](tv::TNewSettings& n) { n.Copies = 0; }, 1, [](const tv::DevMode& d) { return d.Copies == 1; }},
        {"too many copies", [](tv::TNewSettings& n) { n.Copies = 500; }, 1, [](const tv::DevMode& d) { return d.Copies == 99; }},
        {"colour", [](tv::TNewSettings& n) { n.Color = true; }, 2, [](const tv::DevMode& d) { return d.Color == 1; }},
        {"duplex", [](tv::TNewSettings& n) { n.Duplex = tv::TDuplexMode::DuplexHorizontal; }, 4,
         [](const tv::DevMode& d) { return d.Duplex == 1; }},
        {"paper 0", [](tv::TNewSettings& n) { n.Paper = 0; }, 8, [](const tv::DevMode& d) { return d.PaperSize == 9; }},
        {"paper 5", [](tv::TNewSettings& n) { n.Paper = 5; }, 8, [](const tv::DevMode& d) { return d.PaperSize == 9; }},
        {"tray -1", [](tv::TNewSettings& n) { n.Tray = -1; }, 16, [](const tv::DevMode& d) { return d.DefaultSource == 15; }},
        {"resolution 3", [](tv::TNewSettings& n) { n.ResolutionIndex = 3; }, 32,
         [](const tv::DevMode& d) { return d.PrintQuality == 600; }},
        {"all at once", [](tv::TNewSettings& n) { n.Copies = -4; n.Color = true; n.Paper = 77; n.ResolutionIndex = -1; },
         1 | 2 | 8 | 32, [](const tv::DevMode& d) { return d.Copies == 1; }},
    };
    for (const Row& r : rows) {
        FakePrinterService s;
        TXPrintSet ps(s);
        tv::TNewSettings& ns = ps.NewSettings();
        r.set(ns);
        EXPECT_TRUE(ns.WriteToPrinter()) << r.name;
        EXPECT_EQ(s.applyCount, 1) << r.name << ": one write, as a whole";
        EXPECT_EQ(ns.Corrections(), r.corrections) << r.name;
        EXPECT_TRUE(r.check(s.applied)) << r.name;
        // The current settings follow what was written.
        EXPECT_EQ(ps.CurrentSettings().DevMode, s.applied) << r.name;
    }
}

TEST(XPrintSet, NewSettingsNameTheirPaperFromTheStandardTable) {
    FakePrinterService s;
    TXPrintSet ps(s);
    tv::TNewSettings& ns = ps.NewSettings();
    for (const int code : {0, 42, -1}) {
        ns.Paper = code;
        EXPECT_EQ(ns.PaperName(), "") << code;
        EXPECT_EQ(ns.PaperWidth(), 0) << code;
        EXPECT_EQ(ns.PaperLength(), 0) << code;
    }
}

TEST(PaperTable, EveryStandardPaperIsQtsPageOfTheSameSize) {
    for (int code = 1; code <= 41; ++code) {
        const tv::StandardPaper* p = tv::standardPaper(code);
        ASSERT_NE(p, nullptr);
        const QSizeF mm = QPageSize(p->qt).size(QPageSize::Millimeter);
        // Within 6 mm: some platform papers are rounded inch sizes of Qt's metric ones.
        EXPECT_NEAR(mm.width() * 10, p->width, 60) << p->name;
        EXPECT_NEAR(mm.height() * 10, p->length, 60) << p->name;
        const int back = tv::standardPaperCode(p->qt);
        EXPECT_TRUE(back == code || tv::standardPaper(back)->qt == p->qt) << p->name;
    }
}

TEST(XPrintSet, SwitchingPrintersRefreshesOrReportsUnreadableSettings) {
    FakePrinterService s;
    TXPrintSet ps(s);
    int readErrors = 0;
    ps.OnErrorReadSettings = [&](const void*) { ++readErrors; };
    ps.SetPrinterIndex(0); // already current: nothing
    EXPECT_EQ(readErrors, 0);
    EXPECT_EQ(s.applyCount, 0);
    ps.SetPrinterIndex(1);
    EXPECT_EQ(ps.CurrentPrinterIndex(), 1);
    EXPECT_EQ(ps.Capabilities().Resolutions.Count(), 3);
    EXPECT_EQ(ps.Capabilities().ColorBits, 24);
    EXPECT_EQ(ps.NewSettings().DeviceName, "Colour Jet");
    s.defaultsUnreadable = true;
    ps.SetPrinterIndex(0);
    EXPECT_EQ(readErrors, 1);
    EXPECT_EQ(ps.NewSettings().DeviceName, "");
    EXPECT_EQ(ps.NewSettings().DevMode, tv::DevMode{});
}

TEST(XPrintSet, SettingsThatCannotBeWrittenAreReportedWithTheSettingsAsSender) {
    FakePrinterService s;
    s.settingsUnwritable = true;
    TXPrintSet ps(s);
    const void* sender = nullptr;
    ps.OnErrorWriteSettings = [&](const void* from) { sender = from; };
    ps.CurrentSettings().SetCopies(2);
    EXPECT_EQ(sender, &ps.CurrentSettings());
    EXPECT_FALSE(ps.NewSettings().WriteToPrinter());
}

TEST(XPrintSet, AConfirmedDialogThatChangedThePrinterIsReported) {
    FakePrinterService s;
    TXPrintSet ps(s);
    tv::TXPrint xp(s);
    ps.XPrint = &xp;
    xp.ReadDeviceCaps();
    ASSERT_EQ(xp.DotsPerInchX(), 600);
    int changed = 0;
    ps.OnPrinterChanged = [&](const void*) { ++changed; };
    EXPECT_EQ(ps.ExecutePrinterSetupDialog(), 0); // no dialog linked
    ps.PrintDialog = [&] { s.current = 1; return true; };
    EXPECT_EQ(ps.ExecutePrintDialog(), 1);
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(xp.DotsPerInchX(), 300); // the print component read the new printer
    ps.PrintDialog = [] { return false; };
    EXPECT_EQ(ps.ExecutePrintDialog(), 0);
    EXPECT_EQ(changed, 1);
}
