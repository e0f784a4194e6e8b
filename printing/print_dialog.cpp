#include "printing/print_dialog.h"

#include "model/numformat.h"
#include "printing/report_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

namespace tv {
QRect reportPrintRect(int xDotsPerInch, int wingCount) {
    const double f = xDotsPerInch / 600.0 * (wingCount > 3 ? 3.9 : 4.9);
    const int left = int(roundHalfEven(100 * f)), right = int(roundHalfEven(900 * f));
    const int top = left, bottom = int(roundHalfEven(1800 * f));
    return QRect(left, top, right - left, bottom - top);
}

QRect reportPrintRect(int xDotsPerInch, int wingCount, int pageHeight) {
    QRect r = reportPrintRect(xDotsPerInch, wingCount);
    if (pageHeight > kReportPageSize.height())
        r.setWidth(int(roundHalfEven(double(r.width()) * kReportPageSize.height() / pageHeight)));
    return r;
}
} // namespace tv

namespace {
template <class T>
T* named(T* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}
constexpr int kGridWidth = 236;
} // namespace

TForm3::TForm3(tv::PrinterService& service, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Printer"));
    setFixedSize(260, 250);
    m_combo = named(new QComboBox(this), "ComboBox1");
    m_combo->setGeometry(8, 8, 244, 24);
    m_label2 = named(new QLabel(QStringLiteral("Printer resolution:"), this), "Label2");
    m_label2->setGeometry(12, 40, 236, 18);
    m_grid = named(new QTableWidget(0, 2, this), "StringGrid2");
    m_grid->setGeometry(12, 60, kGridWidth, 110);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_color = named(new QCheckBox(QStringLiteral("Color"), this), "CheckBoxColor");
    m_color->setGeometry(12, 178, 236, 20);
    m_print = named(new QPushButton(QStringLiteral("Print"), this), "ButtonClose");
    m_print->setGeometry(12, 210, 110, 28);
    m_cancel = named(new QPushButton(QStringLiteral("Cancel"), this), "Button1");
    m_cancel->setGeometry(138, 210, 110, 28);

    m_xprint = std::make_unique<tv::TXPrint>(service);
    m_xprint->setFont(QFont(QStringLiteral("MS Sans Serif")));
    m_xprint->setCopies(1);
    m_xprint->setOrientation(tv::TXPrinterOrientation::xpoPortrait);
    m_xprintSet = std::make_unique<tv::TXPrintSet>(service);
    m_xprintSet->XPrint = m_xprint.get();
    m_xprintSet->Loaded();
    m_print->setEnabled(false);
    showError = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };

    connect(m_combo, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });
    connect(m_color, &QCheckBox::clicked, this, [this] { CheckBoxColorClick(); });
    connect(m_print, &QPushButton::clicked, this, [this] { ButtonCloseClick(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { Button1Click(); });
    FormCreate();
}

TForm3::~TForm3() = default;

bool TForm3::event(QEvent* e) {
    // The window refills itself each time it becomes active.
    if (e->type() == QEvent::WindowActivate) FormCreate();
    return QWidget::event(e);
}

void TForm3::setPage(const QImage& page, int wingCount, const std::string& title) {
    m_page = page;
    m_wingCount = wingCount;
    m_title = title;
}

void TForm3::FormCreate() {
    tv::TXPrintSet& ps = *m_xprintSet;
    if (ps.PrintersAvailable()) {
        const QSignalBlocker block(m_combo);
        m_combo->clear();
        for (const std::string& n : ps.PrinterNames()) m_combo->addItem(QString::fromStdString(n));
        m_combo->setCurrentIndex(ps.CurrentPrinterIndex());
        m_print->setEnabled(true);
    }
    m_grid->setColumnWidth(0, kGridWidth / 4 - 10);
    m_grid->setColumnWidth(1, kGridWidth * 3 / 4 - 10);
    m_grid->setHorizontalHeaderLabels({QStringLiteral("i"), QStringLiteral("Auflösung")});
    fillResolutionGrid();
    fillColorBox();
}

void TForm3::fillResolutionGrid() {
    Updating = true;
    const tv::TPrinterResolution& r = m_xprintSet->Capabilities().Resolutions;
    m_grid->setRowCount(r.Count());
    // The row of the resolution the printer is set to (its device's own when the settings
    // name none) starts selected.
    int want = m_xprintSet->CurrentSettings().DevMode.PrintQuality;
    if (want <= 0) {
        m_xprint->ReadDeviceCaps();
        want = m_xprint->DotsPerInchX();
    }
    int current = 0;
    for (int n = 0; n < r.Count(); ++n) {
        m_grid->setItem(n, 0, new QTableWidgetItem(QString::number(n)));
        m_grid->setItem(n, 1, new QTableWidgetItem(QStringLiteral("%1x%2dpi²").arg(r.X(n)).arg(r.Y(n))));
        if (r.X(n) == want) current = n;
    }
    if (r.Count() > 0) m_grid->selectRow(current);
    Updating = false;
}

void TForm3::fillColorBox() {
    Updating = true;
    if (m_xprintSet->Capabilities().ColorBits < 2) {
        m_color->setEnabled(false);
        m_color->setChecked(false);
    } else {
        m_color->setEnabled(true);
        m_color->setChecked(m_xprintSet->CurrentSettings().GetColor());
    }
    Updating = false;
}

void TForm3::ComboBox1Change() {
    m_xprintSet->SetPrinterIndex(m_combo->currentIndex());
    fillResolutionGrid();
    fillColorBox();
}

void TForm3::CheckBoxColorClick() {
    if (Updating) return;
    m_xprintSet->CurrentSettings().SetColor(m_color->isChecked());
}

void TForm3::ButtonCloseClick() {
    const int r = m_grid->currentRow();
    m_xprintSet->CurrentSettings().SetResolutionIndex(r);
    const tv::TPrinterResolution& res = m_xprintSet->Capabilities().Resolutions;
    const int x = r >= 0 && r < res.Count() ? res.X(r) : 0;
    m_xprint->setTitle(m_title);
    if (!m_xprint->StartPrinting()) {
        reportFault(m_xprint->lastError());
        return;
    }
    m_xprint->Canvas().drawImage(tv::reportPrintRect(x, m_wingCount, m_page.height()), m_page);
    if (!m_xprint->FinishPrinting()) {
        reportFault(m_xprint->lastError());
        return;
    }
    close();
}

void TForm3::Button1Click() { close(); }

void TForm3::reportFault(tv::DocumentFault fault) {
    const tv::PrintingTexts& t = tv::printingTexts(m_lang);
    const char* reason = fault == tv::DocumentFault::PrinterGone  ? t.printerGone
                         : fault == tv::DocumentFault::EndFailed ? t.endFailed
                                                                  : t.beginRefused;
    const QString printer = QString::fromStdString(m_xprintSet->service().currentPrinterName());
    if (showError)
        showError(QString::fromUtf8(t.printFailed) + QLatin1Char('"') + printer + QStringLiteral("\": ") +
                  QString::fromUtf8(reason));
}
