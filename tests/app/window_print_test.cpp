// Printing from the main window with the scripted printer service: when printing is offered,
// the composed page and the print dialog, a window left as it was, and the PDF export.
#include "../printing/fake_printer_service.h"
#include "app/imagecontrol.h"
#include "model/numformat.h"
#include "printing/report_page.h"
#include "printing/print_dialog.h"
#include "window_fixture.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {

class PrintWindowTest : public WindowTest {
protected:
    TForm1& makePrinting() {
        TForm1::Options o;
        o.dialogs = &dialogs;
        o.pixelDensity = 96;
        o.printerService = &printer;
        form = std::make_unique<TForm1>(o);
        return *form;
    }
    void calculate() { click("Button4"); }
    FakePrinterService printer;
};

// Runs a poppler tool; an empty result when it is not installed.
QByteArray poppler(const QString& tool, const QStringList& args) {
    if (QStandardPaths::findExecutable(tool).isEmpty()) return {};
    QProcess p;
    p.start(tool, args);
    p.waitForFinished(30000);
    return p.readAllStandardOutput();
}

} // namespace

TEST_F(PrintWindowTest, PrintAndExportAreOfferedOnlyForResultsOfTheCurrentModel) {
    makePrinting();
    const char* commands[] = {"Print1", "ExportPdf1"};
    for (const char* c : commands) EXPECT_FALSE(get<QAction>(c)->isEnabled()) << c;
    EXPECT_FALSE(get<QAbstractButton>("SpeedButton5")->isEnabled());
    calculate();
    for (const char* c : commands) EXPECT_TRUE(get<QAction>(c)->isEnabled()) << c;
    trigger("Print1"); // the print request itself keeps them
    for (const char* c : commands) EXPECT_TRUE(get<QAction>(c)->isEnabled()) << c;
    setText("Edit_x2", QStringLiteral("1200"));
    for (const char* c : commands) EXPECT_FALSE(get<QAction>(c)->isEnabled()) << c;
}

TEST_F(PrintWindowTest, PrintComposesThePageAndShowsTheDialogWithoutDisturbingTheWindow) {
    makePrinting();
    form->resize(1000, 800);
    calculate();
    auto* image2 = get<TImage>("Image2");
    auto* image3 = get<TImage>("Image3");
    const QImage view2 = image2->canvas().copy(), view3 = image3->canvas().copy();
    const QString label21 = text("Label21");
    click("SpeedButton5");
    const QImage page = get<TImage>("Image_P")->canvas();
    ASSERT_EQ(page.size(), tv::kReportPageSize);
    // The aircraft picture is the view on its pale background (the tool-tip colour).
    EXPECT_EQ(page.pixel(300, 100), form->palette().color(QPalette::ToolTipBase).rgb());
    auto* dialog = form->findChild<TForm3*>(QStringLiteral("Form3"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(image2->canvas(), view2);
    EXPECT_EQ(image3->canvas(), view3);
    EXPECT_EQ(text("Label21"), label21);
    // The dialog prints the page of the request, even after the model changed.
    setText("Edit_x2", QStringLiteral("1300"));
    dialog->ButtonCloseClick();
    EXPECT_EQ(printer.ended, 1);
    EXPECT_EQ(printer.lastPage.boundingRect(), tv::reportPrintRect(600, 5));
}

TEST_F(PrintWindowTest, ExportWritesASearchablePdfWithThePictures) {
    makePrinting();
    calculate();
    const QString file = path(QStringLiteral("report")); // the extension is added
    dialogs.answers.push_back(file);
    trigger("ExportPdf1");
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(' ').toStdString();
    QFile pdf(file + QStringLiteral(".pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    const QByteArray text = poppler(QStringLiteral("pdftotext"), {pdf.fileName(), QStringLiteral("-")});
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(text.contains("Summary:"));
    const std::string np = tv::formatFixed(form->reference().NeutralPointX, 5, 1);
    EXPECT_TRUE(text.contains(QByteArray::fromStdString(np.substr(np.find_first_not_of(' '))))) << np;
    // Rendered at 25.4 dpi (a pixel per millimetre): most of the aircraft picture's rectangle
    // below the header (5 wings: 0.177 mm per page unit, the page centred) is its pale background.
    poppler(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("25.4"), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), pdf.fileName(), path(QStringLiteral("page"))});
    const QImage shot(path(QStringLiteral("page.png")));
    ASSERT_FALSE(shot.isNull());
    const QRect picture(36, 20, 100, 50);
    int pale = 0;
    for (int x = picture.left(); x <= picture.right(); ++x)
        for (int y = picture.top(); y <= picture.bottom(); ++y) {
            const QRgb c = shot.pixel(x, y);
            pale += qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) < 235;
        }
    EXPECT_GT(pale, picture.width() * picture.height() / 2);
    EXPECT_EQ(shot.pixel(20, 120), qRgb(255, 255, 255)) << "left of the page";
}

TEST_F(PrintWindowTest, AFailedExportNamesThePathAndKeepsTheOldFile) {
    makePrinting();
    calculate();
    const QString blocked = path(QStringLiteral("plain")) + QStringLiteral("/report.pdf");
    QFile plain(path(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("not a folder");
    plain.close();
    dialogs.answers.push_back(blocked);
    trigger("ExportPdf1");
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(blocked)) << dialogs.errors[0].toStdString();
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    EXPECT_EQ(plain.readAll(), QByteArray("not a folder"));
}

TEST_F(PrintWindowTest, TheProgramWritesThePdfWithoutAWindowAndRefusesBadCommands) {
    struct Row {
        QStringList args;
        int exit;
        const char* says;
    };
    const QString out = path(QStringLiteral("cli.pdf"));
    const Row rows[] = {{{QStringLiteral("--pdf"), out, QStringLiteral("--lang"), QStringLiteral("d")}, 0, ""},
                        {{QStringLiteral("--pdf")}, 2, "needs a value"},
                        {{QStringLiteral("--pdf"), out, QStringLiteral("--lang"), QStringLiteral("x")}, 2, "--lang"},
                        {{QStringLiteral("--pdf"), out, path(QStringLiteral("missing.tv4"))}, 2, "missing.tv4"},
                        {{QStringLiteral("--pdf"), out, QStringLiteral("--fast")}, 2, "unknown option"}};
    for (const Row& r : rows) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM")); // the program picks its own
        env.remove(QStringLiteral("DISPLAY"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral(TARVOLIN4_EXE), r.args);
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), r.exit) << r.args.join(' ').toStdString();
        EXPECT_TRUE(p.readAllStandardError().contains(r.says)) << r.says;
    }
    const QByteArray text = poppler(QStringLiteral("pdftotext"), {out, QStringLiteral("-")});
    if (!text.isEmpty()) {
        EXPECT_TRUE(text.contains("Zusammenfassung:"));
    }
}

TEST_F(PrintWindowTest, EachRequestComposesThePageInTheLanguageOfTheMoment) {
    // TV_PRINT_PNG=<folder> also writes the three pages as PNG files there, for looking at them.
    const QString folder = qEnvironmentVariable("TV_PRINT_PNG");
    makePrinting();
    calculate();
    const char* items[] = {"english1", "german1", "spain1"};
    std::vector<QImage> summaries;
    for (const char* item : items) {
        trigger(item);
        trigger("Print1");
        const QImage page = get<TImage>("Image_P")->canvas();
        summaries.push_back(page.copy(0, 563, 806, 100));
        if (!folder.isEmpty()) page.save(folder + QStringLiteral("/report_page_%1.png").arg(QLatin1String(item)));
    }
    EXPECT_NE(summaries[0], summaries[1]);
    EXPECT_NE(summaries[1], summaries[2]);
    EXPECT_NE(summaries[0], summaries[2]);
}
