// Printing from the main window with the scripted printer service: when printing is offered,
// the composed page and the print dialog, a window left as it was, and the PDF export.
#include "../printing/fake_printer_service.h"
#include "app/imagecontrol.h"
#include "model/balance.h"
#include "model/numformat.h"
#include "printing/report_page.h"
#include "printing/print_dialog.h"
#include "window_fixture.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>

#include <sys/stat.h>

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

// Standard output appended to a file and the PDF named /dev/stdout: the PDF follows the file's
// earlier bytes. A folder is refused.
TEST_F(PrintWindowTest, ThePdfCommandAppendsToStandardOutputsFileAndRefusesAFolder) {
    QFile log(path(QStringLiteral("log.txt")));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write("precious\n");
    log.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("d")));
    const QString shell = QStringLiteral("cd '%1' && exec '%2' --pdf %3 >>log.txt 2>err.txt");
    for (const QString& out : {QStringLiteral("/dev/stdout"), QStringLiteral("d/")}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("sh"), {QStringLiteral("-c"), shell.arg(dir.path(), QStringLiteral(TARVOLIN4_EXE), out)});
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), out == QStringLiteral("d/") ? 2 : 0) << out.toStdString();
    }
    EXPECT_TRUE(readAll(path(QStringLiteral("err.txt"))).contains("names a folder"));
    EXPECT_TRUE(readAll(path(QStringLiteral("log.txt"))).startsWith("precious\n%PDF-"));
    EXPECT_TRUE(QDir(path(QStringLiteral("d"))).isEmpty());
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

namespace {

struct ProgramRun {
    int exit = -1;
    QByteArray out, err;
};

/// Runs the program through the shell in the test folder; `script` sees the program as "$0".
ProgramRun runProgram(const QString& folder, const QString& script) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script, QStringLiteral(TARVOLIN4_EXE)});
    if (!p.waitForFinished(60000)) p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(), p.readAllStandardError()};
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// The project is read as the batch calculator reads it: whatever gives no project is a message
// and exit 2, never the built-in aircraft's report; a pipe is refused without waiting for it.
TEST_F(PrintWindowTest, ThePdfCommandRefusesWhatItCannotRead) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(TV_TEST_DATA "/../../examples/glider-2m.tv4"), path("plane.tv4")));
    QFile junk(path("junk.tv4"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("no project here\r\n");
    junk.close();
    QFile big(path("big.tv4"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(fileBytes(path("plane.tv4")));
    big.write(QByteArray(2 << 20, ' '));
    big.close();
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.tv4")).constData(), 0600), 0);
    const QByteArray planeBytes = fileBytes(path("plane.tv4"));
    struct Row {
        const char* script;
        const char* says;
    } rows[] = {
        {"exec \"$0\" --pdf out.pdf junk.tv4", "junk.tv4 is not a Tarvolin4 project"},
        {"exec \"$0\" --pdf out.pdf big.tv4", "big.tv4 is too large"},
        {"exec \"$0\" --pdf out.pdf pipe.tv4", "pipe.tv4: not a regular file"},
        {"exec \"$0\" --pdf out.pdf missing.tv4", "missing.tv4: cannot be opened"},
        {"exec \"$0\" --pdf plane.tv4", "plane.tv4: not written, it is a Tarvolin4 project"},
        {"exec \"$0\" --pdf plane.tv4 plane.tv4", "plane.tv4: not written, it is the same file as plane.tv4"},
        {"ln -s plane.tv4 link.pdf; exec \"$0\" --pdf=link.pdf plane.tv4", "link.pdf: not written"},
        {"exec \"$0\" --pdf", "--pdf needs a value"},
        {"exec \"$0\" --pdf=", "--pdf needs the name"},
    };
    for (const Row& r : rows) {
        const ProgramRun run = runProgram(dir.path(), QString::fromUtf8(r.script));
        EXPECT_EQ(run.exit, 2) << r.script;
        EXPECT_TRUE(run.err.contains(r.says)) << r.script << ": " << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(path("out.pdf"))) << r.script;
        EXPECT_EQ(fileBytes(path("plane.tv4")), planeBytes) << r.script;
    }
}

TEST_F(PrintWindowTest, ThePdfCommandTakesNamesAsBytesAndLeavesTheRecentListAlone) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(TV_TEST_DATA "/../../examples/glider-2m.tv4"), path("plane.tv4")));
    const ProgramRun bytes = runProgram(dir.path(), QStringLiteral("exec \"$0\" --pdf \"$(printf 'bad\\377.pdf')\" plane.tv4"));
    EXPECT_EQ(bytes.exit, 0) << bytes.err.toStdString();
    struct stat st {};
    EXPECT_EQ(::stat((QFile::encodeName(dir.path()) + "/bad\xff.pdf").constData(), &st), 0) << "the name as given";
    const ProgramRun equals = runProgram(dir.path(), QStringLiteral("exec \"$0\" --pdf=eq.pdf --lang=s plane.tv4"));
    EXPECT_EQ(equals.exit, 0) << equals.err.toStdString();
    EXPECT_TRUE(fileBytes(path("eq.pdf")).startsWith("%PDF"));
    EXPECT_FALSE(QFile::exists(configPath("Recent.pa4"))) << "--pdf added the project to the recent list";
    EXPECT_FALSE(QFile::exists(path("Recent.pa4")));

    // A pipe as the output is written into, as the batch calculator's exports are.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("out.fifo")).constData(), 0600), 0);
    const ProgramRun pipe = runProgram(dir.path(), QStringLiteral("cat out.fifo > piped.pdf & \"$0\" --pdf out.fifo plane.tv4; s=$?; wait; exit $s"));
    EXPECT_EQ(pipe.exit, 0) << pipe.err.toStdString();
    EXPECT_TRUE(fileBytes(path("piped.pdf")).startsWith("%PDF"));
}

TEST_F(PrintWindowTest, HelpNamesThePdfCommandAndAFailedWriteExitsWithTwo) {
    const ProgramRun help = runProgram(dir.path(), QStringLiteral("exec \"$0\" --help"));
    EXPECT_EQ(help.exit, 0);
    EXPECT_TRUE(help.out.contains("--pdf OUT.pdf")) << help.out.toStdString();
    // A file-size limit of 0 with its signal ignored makes every write fail, as a full disk does.
    for (const char* option : {"--help", "--version"}) {
        const ProgramRun full =
            runProgram(dir.path(), QStringLiteral("ulimit -f 0; trap '' XFSZ; exec \"$0\" %1 > out.txt").arg(QLatin1String(option)));
        EXPECT_EQ(full.exit, 2) << option;
    }
}

// A full weight-and-balance table makes the page taller than the standard one: the print keeps
// its proportions (narrower, as high as ever) and the PDF holds the block as text.
TEST_F(PrintWindowTest, ATallBalanceBlockIsPrintedInProportionAndExportedAsText) {
    makePrinting();
    calculate();
    auto* table = get<QTableWidget>("TableBalance");
    for (int r = 0; r < tv::kBalanceRowMax; ++r) {
        click("ButtonRowAdd");
        table->item(r, 0)->setText(QStringLiteral("Ballast tube %1").arg(r + 1));
        table->item(r, 1)->setText(QStringLiteral("heavy"));
    }
    click("SpeedButton5");
    const QImage page = get<TImage>("Image_P")->canvas();
    EXPECT_EQ(page.width(), tv::kReportPageSize.width());
    EXPECT_GT(page.height(), tv::kReportPageSize.height());
    form->findChild<TForm3*>(QStringLiteral("Form3"))->ButtonCloseClick();
    EXPECT_EQ(printer.lastPage.boundingRect(), tv::reportPrintRect(600, 5, page.height()));

    dialogs.answers.push_back(path(QStringLiteral("tall.pdf")));
    trigger("ExportPdf1");
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(' ').toStdString();
    const QByteArray text = poppler(QStringLiteral("pdftotext"), {path(QStringLiteral("tall.pdf")), QStringLiteral("-")});
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(text.contains("Weight and balance:"));
    EXPECT_TRUE(text.contains("Row 30 (Ballast tube 30)")) << "the last line is on the page";
}
