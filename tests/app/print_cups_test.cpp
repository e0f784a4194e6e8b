// Prints the default aircraft's report through a real print system: a CUPS scheduler (started
// here when none runs, and stopped again by its process id), a PDF queue of its own, the print
// dialog's "Print", and the page that the queue writes, rendered and looked at. Runs as root, as
// CI does; skipped with the reason otherwise. Every wait is bounded.
#include "app/dialogs.h"
#include "app/imagecontrol.h"
#include "app/main_window.h"
#include "printing/report_page.h"
#include "printing/print_dialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

namespace {

const QString kCupsd = QStringLiteral("/usr/sbin/cupsd");
const QString kPpd = QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd");
const QString kPdfConf = QStringLiteral("/etc/cups/cups-pdf.conf");

// Runs a short command and gives its exit code (-1 when it could not run or took over 20 s).
int run(const QString& program, const QStringList& args, QByteArray* out = nullptr) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished(2000);
        return -1;
    }
    if (out) *out = p.readAllStandardOutput();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool schedulerRuns() {
    QByteArray out;
    return run(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &out) == 0 && out.contains("is running");
}

template <class Ready>
bool waitFor(int ms, Ready ready) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        if (ready()) return true;
        QThread::msleep(200);
    }
    return ready();
}

// The folder the PDF queue writes root's jobs to: "Out" of cups-pdf.conf with ${HOME} and
// ${USER} filled in (the package's default when the line is missing).
QString pdfOutputFolder() {
    QString out = QStringLiteral("/var/spool/cups-pdf/${USER}");
    QFile conf(kPdfConf);
    if (conf.open(QIODevice::ReadOnly))
        for (const QByteArray& line : conf.readAll().split('\n'))
            if (line.startsWith("Out ")) out = QString::fromLocal8Bit(line.mid(4)).trimmed();
    const passwd* pw = getpwuid(geteuid());
    out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(pw ? pw->pw_dir : "/root"));
    out.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(pw ? pw->pw_name : "root"));
    return out;
}

QStringList pdfsIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
}

// The scheduler when this test started it, and the test's queue: both removed at the end.
struct PrintSystem {
    qint64 startedPid = 0;
    QProcess cupsd;
    QString queue;
    ~PrintSystem() {
        if (!queue.isEmpty()) run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue});
        if (startedPid != 0) {
            ::kill(pid_t(startedPid), SIGTERM);
            if (!cupsd.waitForFinished(10000)) {
                ::kill(pid_t(startedPid), SIGKILL);
                cupsd.waitForFinished(2000);
            }
        }
    }
};

class QuietDialogs : public TDialogs {
public:
    std::optional<QString> openFileName(QWidget*, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> saveFileName(QWidget*, const QString&, const QString&) override { return std::nullopt; }
    void showError(QWidget*, const QString& text) override { errors << text; }
    void beep() override {}
    QStringList errors;
};

} // namespace

TEST(CupsPrint, TheReportGoesThroughThePrintSystemAsOnePdfPage) {
    if (geteuid() != 0) GTEST_SKIP() << "runs as root only: it starts a print scheduler and adds a queue";
    for (const QString& need : {kCupsd, QStringLiteral("/usr/lib/cups/backend/cups-pdf"), QStringLiteral("/usr/bin/pdftoppm"),
                                QStringLiteral("/usr/sbin/lpadmin"), kPdfConf})
        if (!QFileInfo::exists(need)) GTEST_SKIP() << need.toStdString() << " is missing (scripts/setup.sh installs it)";

    PrintSystem system;
    if (!schedulerRuns()) {
        QDir().mkpath(QStringLiteral("/run/cups"));
        system.cupsd.start(kCupsd, {QStringLiteral("-f")});
        ASSERT_TRUE(system.cupsd.waitForStarted(5000));
        system.startedPid = system.cupsd.processId();
        ASSERT_TRUE(waitFor(15000, schedulerRuns)) << "the scheduler did not come up";
    }
    system.queue = QStringLiteral("Tarvolin4Test%1").arg(getpid());
    ASSERT_EQ(run(QStringLiteral("lpadmin"), {QStringLiteral("-p"), system.queue, QStringLiteral("-E"), QStringLiteral("-v"),
                                              QStringLiteral("cups-pdf:/"), QStringLiteral("-m"), kPpd}),
              0);
    const QString folder = pdfOutputFolder();
    const QStringList before = pdfsIn(folder);

    // The default aircraft, calculated; "Print" composes the page and shows the dialog.
    QTemporaryDir dir;
    const QString oldDir = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QuietDialogs dialogs;
    TForm1::Options o;
    o.dialogs = &dialogs;
    o.pixelDensity = 96;
    auto form = std::make_unique<TForm1>(o);
    form->findChild<QAbstractButton*>(QStringLiteral("Button4"))->click();
    ASSERT_TRUE(form->neutralPointKnown());
    form->Print1Click(nullptr);
    TForm3* dialog = form->printDialog();
    QStringList shown;
    dialog->showError = [&](const QString& text) { shown << text; };
    auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    const int index = combo->findText(system.queue);
    ASSERT_GE(index, 0) << "the dialog lists the queue";
    combo->setCurrentIndex(index);
    auto* grid = dialog->findChild<QTableWidget*>(QStringLiteral("StringGrid2"));
    ASSERT_GE(grid->rowCount(), 1);
    int row = 0; // 300 dpi if offered: a page that renders quickly
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->item(r, 1)->text().startsWith(QStringLiteral("300x"))) row = r;
    grid->selectRow(row);
    const int dpi = grid->item(row, 1)->text().section(QLatin1Char('x'), 0, 0).toInt();
    dialog->ButtonCloseClick();
    ASSERT_TRUE(shown.isEmpty()) << shown.join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(dialog->isVisible());

    QString written;
    ASSERT_TRUE(waitFor(30000, [&] {
        for (const QString& f : pdfsIn(folder))
            if (!before.contains(f)) written = QDir(folder).filePath(f);
        return !written.isEmpty() && QFileInfo(written).size() > 0;
    })) << "no PDF in " << folder.toStdString() << " within 30 s";
    QThread::msleep(500); // the backend may still be closing the file
    QByteArray info;
    run(QStringLiteral("pdfinfo"), {written}, &info);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("Pages:\\s+1\\b")).match(QString::fromLatin1(info)).hasMatch()) << info.constData();

    // Rendered at a tenth of the printer's resolution, the picture lies where the rectangle puts
    // it: its pale background inside, white paper left of it.
    const int renderDpi = std::max(1, dpi / 10);
    ASSERT_EQ(run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(renderDpi), QStringLiteral("-png"),
                                              QStringLiteral("-singlefile"), written, dir.filePath(QStringLiteral("page"))}),
              0);
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    QFile::remove(written);
    ASSERT_FALSE(page.isNull());
    const QRect rect = tv::reportPrintRect(dpi, tv::kDefaultWingCount);
    auto onPaper = [&](double pageX, double pageY) {
        // Page unit -> printer dots in the rectangle -> rendered pixel; the printable area starts
        // at most a few millimetres from the paper edge.
        const double x = rect.left() + pageX * rect.width() / tv::kReportPageSize.width();
        const double y = rect.top() + pageY * rect.height() / tv::kReportPageSize.height();
        return QPoint(int(x * renderDpi / dpi), int(y * renderDpi / dpi));
    };
    int pale = 0, probes = 0;
    for (int px = 100; px <= 500; px += 50)
        for (int py = 250; py <= 330; py += 20) {
            const QRgb c = page.pixel(onPaper(px, py) + QPoint(1, 1));
            ++probes;
            pale += qRed(c) > 230 && qGreen(c) > 230 && qBlue(c) < 240;
        }
    EXPECT_GT(pale, probes * 2 / 3) << "the aircraft picture's background";
    const QRgb margin = page.pixel(std::max(0, onPaper(0, 200).x() - 8), onPaper(0, 200).y());
    EXPECT_GT(qBlue(margin), 245) << "white paper left of the picture";

    // The queue disappears while the dialog still lists it: a message names it, nothing is left
    // open, and the dialog stays.
    ASSERT_EQ(run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), system.queue}), 0);
    const QString gone = system.queue;
    system.queue.clear();
    dialog->show();
    dialog->ButtonCloseClick();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains(gone)) << shown[0].toStdString();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->XPrint1().Printing());
    form.reset();
    QDir::setCurrent(oldDir);
}
