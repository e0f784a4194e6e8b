#pragma once
// TForm3, the print dialog: a small modeless window, caption "Printer", where the user picks a
// printer and one of its resolutions, may switch colour printing, and prints the report page
// composed by the last print request onto one page. Its control texts are fixed.
#include "i18n/texts.h"
#include "printing/printer_service.h"
#include "printing/print_job.h"
#include "printing/printer_settings.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tv {
/// The rectangle (device dots) the report page is stretched into at x dots per inch: scale
/// f = x / 600 * (3.9 above three wings, else 4.9); left = top = round(100 f), right = round(900 f),
/// bottom = round(1800 f), halves to even. The right and bottom edges are exclusive.
QRect reportPrintRect(int xDotsPerInch, int wingCount);
/// The rectangle for a page pageHeight pixels high: a page taller than the standard 1620 (a
/// weight-and-balance block) keeps the rectangle's height and narrows in proportion, so that it
/// is not squeezed.
QRect reportPrintRect(int xDotsPerInch, int wingCount, int pageHeight);
} // namespace tv

class TForm3 : public QWidget {
    Q_OBJECT
public:
    /// The dialog over a printer service that outlives it. showError shows a failure message;
    /// by default a warning box.
    explicit TForm3(tv::PrinterService& service, QWidget* parent = nullptr);
    ~TForm3() override;

    /// The page to print and the wing count it was composed for (kept until the next request).
    /// The report page to print for wingCount wings, in a job titled title (the project's name).
    void setPage(const QImage& page, int wingCount, const std::string& title = {});
    void setLanguage(tv::UiLanguage lang) { m_lang = lang; }
    std::function<void(const QString&)> showError;

    // Handlers.
    void FormCreate();
    void ComboBox1Change();
    void CheckBoxColorClick();
    void ButtonCloseClick();
    void Button1Click();

    tv::TXPrint& XPrint1() { return *m_xprint; }
    tv::TXPrintSet& XPrintSet1() { return *m_xprintSet; }

protected:
    bool event(QEvent* e) override;

private:
    void fillResolutionGrid();
    void fillColorBox();
    void reportFault(tv::DocumentFault fault);

    std::unique_ptr<tv::TXPrint> m_xprint;
    std::unique_ptr<tv::TXPrintSet> m_xprintSet;
    QImage m_page;
    int m_wingCount = 1;
    std::string m_title;
    tv::UiLanguage m_lang = tv::UiLanguage::English;
    bool Updating = false;
    QComboBox* m_combo = nullptr;
    QLabel* m_label2 = nullptr;
    QTableWidget* m_grid = nullptr;
    QCheckBox* m_color = nullptr;
    QPushButton *m_print = nullptr, *m_cancel = nullptr;
};
