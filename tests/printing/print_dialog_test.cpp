// The print dialog against the scripted printer service: its controls, printer switching, the
// printed rectangle, and failures of the print system that must leave the dialog usable.
#include "fake_printer_service.h"
#include "printing/print_dialog.h"
#include "printing/report_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

template <class T>
T* child(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

QImage testPage() {
    QImage page(806, 1620, QImage::Format_RGB32);
    page.fill(Qt::black);
    return page;
}

} // namespace

TEST(PrintDialog, ThePageLandsInTheRectangleOfResolutionAndWingCount) {
    struct Row {
        int dpi, wings;
        QRect rect; // left, top, right, bottom (exclusive)
    };
    const Row rows[] = {{600, 3, QRect(QPoint(490, 490), QPoint(4410 - 1, 8820 - 1))},
                        {600, 4, QRect(QPoint(390, 390), QPoint(3510 - 1, 7020 - 1))},
                        {300, 1, QRect(QPoint(245, 245), QPoint(2205 - 1, 4410 - 1))},
                        {0, 5, QRect()}};
    for (const Row& r : rows) EXPECT_EQ(tv::reportPrintRect(r.dpi, r.wings), r.rect) << r.dpi << " dpi, " << r.wings;
}

TEST(PrintDialog, ListsThePrintersAndTheCurrentPrintersResolutionsAndColour) {
    FakePrinterService s;
    TForm3 f(s);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Printer"));
    auto* combo = child<QComboBox>(f, "ComboBox1");
    auto* grid = child<QTableWidget>(f, "StringGrid2");
    auto* color = child<QCheckBox>(f, "CheckBoxColor");
    EXPECT_TRUE(child<QPushButton>(f, "ButtonClose")->isEnabled());
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("i"));
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Auflösung"));
    ASSERT_EQ(grid->rowCount(), 1); // one entry under the header
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("600x600dpi²"));
    EXPECT_FALSE(color->isEnabled()); // monochrome
    EXPECT_FALSE(color->isChecked());

    combo->setCurrentIndex(1);
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->item(2, 0)->text(), QStringLiteral("2"));
    EXPECT_EQ(grid->item(2, 1)->text(), QStringLiteral("1200x1200dpi²"));
    EXPECT_TRUE(color->isEnabled());
    color->click();
    EXPECT_EQ(s.applied.Color, 2); // reached the printer at once
    f.FormCreate();                // a refill on activation keeps what the printer says
    EXPECT_TRUE(color->isChecked());
}

TEST(PrintDialog, PrintStretchesThePageAtTheChosenResolutionAndCloses) {
    FakePrinterService s;
    s.current = 1;
    s.defaultIndex = 1; // the colour printer, 300/600/1200 dpi; the fake's page is in dots
    s.metrics[1].dpiX = s.metrics[1].dpiY = 1200;
    TForm3 f(s);
    f.setPage(testPage(), 4);
    f.show();
    auto* grid = child<QTableWidget>(f, "StringGrid2");
    EXPECT_EQ(grid->currentRow(), 2) << "the device's own resolution starts selected";
    grid->selectRow(1);
    f.ButtonCloseClick();
    EXPECT_EQ(s.ended, 1);
    EXPECT_EQ(s.applied.PrintQuality, 600);
    EXPECT_EQ(s.lastPage.boundingRect(), tv::reportPrintRect(600, 4));
    EXPECT_FALSE(f.isVisible());
}

TEST(PrintDialog, AFailingPrintSystemIsReportedWithThePrinterAndTheDialogStaysUsable) {
    struct Row {
        const char* name;
        tv::DocumentFault begin, end;
        const char* reason;
    };
    const Row rows[] = {{"printer gone", tv::DocumentFault::PrinterGone, tv::DocumentFault::None, "no longer available"},
                        {"begin refused", tv::DocumentFault::BeginRefused, tv::DocumentFault::None, "did not accept"},
                        {"end failed", tv::DocumentFault::None, tv::DocumentFault::EndFailed, "could not be finished"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FakePrinterService s;
        s.beginError = r.begin;
        s.endError = r.end;
        TForm3 f(s);
        QStringList errors;
        f.showError = [&](const QString& text) { errors << text; };
        f.setPage(testPage(), 1);
        f.show();
        f.ButtonCloseClick();
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].contains(QStringLiteral("\"Laser\""))) << errors[0].toStdString();
        EXPECT_TRUE(errors[0].contains(QLatin1String(r.reason))) << errors[0].toStdString();
        EXPECT_TRUE(f.isVisible());
        EXPECT_FALSE(s.open);
        EXPECT_FALSE(f.XPrint1().Printing());
        // The print system is back: the same dialog prints.
        s.beginError = s.endError = tv::DocumentFault::None;
        f.ButtonCloseClick();
        EXPECT_EQ(errors.size(), 1);
        EXPECT_FALSE(f.isVisible());
    }
}

TEST(PrintDialog, WithoutPrintersPrintIsDisabledAndPrintsNothing) {
    FakePrinterService s;
    s.printers.clear();
    TForm3 f(s);
    EXPECT_EQ(child<QComboBox>(f, "ComboBox1")->count(), 0);
    EXPECT_FALSE(child<QPushButton>(f, "ButtonClose")->isEnabled());
    EXPECT_EQ(child<QTableWidget>(f, "StringGrid2")->rowCount(), 0);
    f.show();
    f.ButtonCloseClick();
    EXPECT_EQ(s.begun, 0);
    EXPECT_FALSE(f.isVisible());
}

// A page made taller by a weight-and-balance block keeps the proportions of the standard page on
// paper: the rectangle keeps its height and narrows, rather than squeezing the page.
TEST(ReportPrintRect, ATallerPageNarrowsTheRectangleInProportion) {
    for (const int wings : {1, 5}) {
        const QRect standard = tv::reportPrintRect(600, wings);
        EXPECT_EQ(tv::reportPrintRect(600, wings, tv::kReportPageSize.height()), standard);
        const QRect tall = tv::reportPrintRect(600, wings, 2 * tv::kReportPageSize.height());
        EXPECT_EQ(tall.topLeft(), standard.topLeft());
        EXPECT_EQ(tall.height(), standard.height());
        EXPECT_NEAR(tall.width(), standard.width() / 2.0, 1);
    }
}
