// Points where the drawings plug in, the stability evaluation and the layout on resize.
// The drawings themselves belong to the views; until they are wired here each hook clears its
// image as the window expects, so every image shows a defined picture.
#include "app/imagecontrol.h"
#include "app/tform1.h"
#include "stability/stability.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

#include <cmath>

void TForm1::drawDimensionDiagram(int w) {
    if (w < 1 || w > tv::kWingMax) return;
    m_diagram[w]->clear(QColor(192, 192, 192), QColor(192, 192, 192));
}

void TForm1::drawPlanformView(int w) {
    if (w < 1 || w > tv::kWingMax) return;
    m_planform[w]->clear(palette().color(QPalette::ToolTipBase), palette().color(QPalette::ToolTipBase));
}

void TForm1::drawAircraftView() { m_image2->update(); }

void TForm1::draw3DView() { m_image3->clear(palette().color(QPalette::ToolTipBase), QColor(128, 128, 128)); }

void TForm1::DrawGrid() {}

void TForm1::STABIL() {
    if (!NeutralPointKnown) {
        m_label21->setText(QString::fromLatin1(tv::kMarginLabelUnknown));
        return;
    }
    m_image2->clear(palette().color(QPalette::ToolTipBase), QColor(128, 128, 128));
    if (LatticeKnown) DrawGrid();
    drawAircraftView();
    const double desired = tv::desiredMarginFromText(m_editMstab->text().toStdString());
    const tv::StabilityNumbers n =
        tv::computeStability(m_wingCount, Reference.NeutralPointX, Reference.ReferenceChord, desired);
    const bool manual = m_rb16->isChecked();
    {
        QPainter p(&m_image2->canvas());
        for (const tv::ResultLine& line : tv::stabilityResultLines(UiLanguage, manual, Reference, n)) {
            p.setPen(QColor::fromRgb(line.rgb));
            p.drawText(tv::kResultColumn, line.row + p.fontMetrics().ascent(), QString::fromStdString(line.text));
        }
    }
    m_image2->update();
    m_label21->setText(QString::fromStdString(tv::marginLabelText(UiLanguage, Reference.NeutralPointX, n)));
}

void TForm1::Print1Click(QObject*) {}

void TForm1::planformMouseDown(int, QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {}
void TForm1::planformMouseMove(int, QPoint, Qt::MouseButtons, Qt::KeyboardModifiers) {}
void TForm1::planformMouseUp(int, QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {}
void TForm1::Image4MouseDown(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {}
void TForm1::Image4MouseMove(QPoint, Qt::MouseButtons, Qt::KeyboardModifiers) {}
void TForm1::Image4MouseUp(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {}
void TForm1::Image3MouseDown(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {}
void TForm1::Image3MouseMove(QPoint, Qt::MouseButtons, Qt::KeyboardModifiers) {}
void TForm1::Image3MouseUp(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!m_building) FormResize();
}

void TForm1::FormResize() {
    // Sizes in design pixels: what the window has, divided by the scale.
    auto design = [this](int px) { return int(px / m_scale); };
    const bool wasRedrawOnly = RedrawOnly;
    RedrawOnly = true;
    m_scroll3->setValue(100);
    const int clientW = design(m_central->width());
    const int clientH = design(m_central->height());
    place(m_pages, 0, 28, clientW, clientH - 28);
    // A page that was never shown has no size yet; it then gets the tab widget's size less the
    // tab row and the frame.
    QWidget* page = m_pages->currentWidget();
    const bool sized = page->testAttribute(Qt::WA_WState_Created) && page->isVisible();
    const int tabW = sized ? design(page->width()) : clientW - 6;
    const int tabH = sized ? design(page->height()) : clientH - 28 - design(m_pages->tabBar()->sizeHint().height()) - 6;
    if (tabW < 100 || tabH < 100) {
        RedrawOnly = wasRedrawOnly;
        return;
    }
    for (int w = 1; w <= tv::kWingMax; ++w) {
        placeImage(m_planform[w], 8, 340, std::max(1, tabW - 8 - 2), std::max(1, tabH - 340 - 6));
        CalcWing(w, this);
    }
    // Aircraft page: the aircraft view over the upper 60 %, the pressure switch in the row under
    // it, the 3D view below with its two bars, right of the input column.
    const int left = 284, t = int(tabH * 0.6);
    placeImage(m_image2, left, 2, tabW - left - 1, t - 2 - 22);
    place(m_checkBoxA, tabW - 545, t - 21, 240, 18);
    place(m_labelPress, tabW - 304, t - 21, 300, 18);
    const int image3H = std::max(1, tabH - t - 22);
    placeImage(m_image3, left, t, tabW - left - 1 - 18, image3H);
    place(m_scroll6, tabW - 17, t, 16, image3H);
    place(m_scroll1, left - 18, t, 16, image3H);
    place(m_scroll2, left, tabH - 18, tabW - left - 1, 16);
    m_image2->clear(palette().color(QPalette::ToolTipBase), QColor(128, 128, 128));
    if (!NeutralPointKnown) Calc(this);
    drawAircraftView();
    STABIL();
    draw3DView();
    RedrawOnly = wasRedrawOnly;
}
