// The three language procedures, the language menu and tool buttons, and the about window.
#include "app/about_window.h"
#include "app/actions.h"
#include "app/calculation/calculation_controller.h"
#include "app/main_window.h"
#include "app/pages/aircraft_page.h"
#include "app/pages/wing_page.h"
#include "app/span_loading_window.h"
#include "i18n/export_texts.h"
#include "i18n/session_texts.h"
#include "views/aircraft_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMenu>
#include <QPainter>
#include <QTabWidget>
#include <QTranslator>

void TForm1::deutsch() { applyLanguage(tv::UiLanguage::German); }
void TForm1::english() { applyLanguage(tv::UiLanguage::English); }
void TForm1::spain() { applyLanguage(tv::UiLanguage::Spanish); }

void TForm1::german1Click() { selectLanguage(tv::UiLanguage::German); }
void TForm1::english1Click() { selectLanguage(tv::UiLanguage::English); }
void TForm1::spain1Click() { selectLanguage(tv::UiLanguage::Spanish); }

void TForm1::selectLanguage(tv::UiLanguage lang) {
    UiLanguage = lang;
    m_actions->showLanguage(lang == tv::UiLanguage::German ? 0 : lang == tv::UiLanguage::English ? 1 : 2);
    if (lang == tv::UiLanguage::German)
        deutsch();
    else if (lang == tv::UiLanguage::English)
        english();
    else
        spain();
}

namespace {

/// Sets the caption of whatever control or menu item carries the name; a name that no control
/// carries is passed over.
void setCaption(QObject* root, QTabWidget* pages, const tv::ControlText& ct) {
    const QString name = QString::fromLatin1(ct.objectName);
    const QString text = QString::fromStdString(ct.text);
    QObject* o = root->findChild<QObject*>(name);
    if (!o) return;
    if (auto* b = qobject_cast<QAbstractButton*>(o))
        b->setText(text);
    else if (auto* l = qobject_cast<QLabel*>(o))
        l->setText(text);
    else if (auto* m = qobject_cast<QMenu*>(o))
        m->setTitle(text);
    else if (auto* a = qobject_cast<QAction*>(o))
        a->setText(text);
    else if (auto* w = qobject_cast<QWidget*>(o); w && pages->indexOf(w) >= 0)
        pages->setTabText(pages->indexOf(w), text);
}

} // namespace

void TForm1::loadQtTranslations(tv::UiLanguage lang) {
    if (m_qtTranslator) QCoreApplication::removeTranslator(m_qtTranslator.get());
    m_qtTranslator.reset();
    if (lang == tv::UiLanguage::English) return;
    auto translator = std::make_unique<QTranslator>();
    const QString name = lang == tv::UiLanguage::German ? QStringLiteral("qtbase_de") : QStringLiteral("qtbase_es");
    // Without the catalogue (translations package missing) Qt's texts stay English.
    if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return;
    QCoreApplication::installTranslator(translator.get());
    m_qtTranslator = std::move(translator);
}

void TForm1::applyLanguage(tv::UiLanguage lang) {
    loadQtTranslations(lang);
    // Captions of the labels, buttons, check box, tabs and scale controls.
    for (const tv::ControlText& ct : tv::windowTexts(lang)) setCaption(this, m_pages, ct);
    // The catalogue comes before any drawing: the stability picture redraws the aircraft view,
    // whose flight-direction caption is the catalogue's. The result's lines follow the language.
    Catalogue = tv::messageCatalogue(lang);
    m_calc->relocalise(lang);
    for (int w = 1; w <= tv::kWingMax; ++w) m_aircraft->redrawThumbnail(w, QString::fromStdString(tv::thumbnailCaption(lang, w)));
    // The stability texts in the new language; without a neutral point there are none, and the
    // aircraft view is drawn afresh instead.
    STABIL();
    if (!neutralPointKnown()) {
        m_aircraft->Image2->clear(systemColours().toolTipBackground, tv::kGreyOutline);
        drawAircraftView();
    }
    for (int w = 1; w <= tv::kWingMax; ++w) drawDimensionDiagram(w);
    for (const tv::ControlText& ct : tv::menuTexts(lang)) setCaption(this, m_pages, ct);
    if (m_spanLoading) m_spanLoading->setWindowTitle(QString::fromUtf8(tv::spanLoadingTexts(lang).title));
    drawLanguageCaption();
    Space1();
    // Lengths along x and where they are measured from.
    m_aircraft->Image2->setToolTip(QString::fromStdString(tv::xOriginNote(lang, 1)));
    for (int w = 1; w <= tv::kWingMax; ++w) m_wing[w]->setXOriginNote(QString::fromStdString(tv::xOriginNote(lang, w)));
    updateUndoTexts();
    rebuildRecentMenu();
    if (!m_building) showResultState();
}

// The language switch writes its own flight-direction caption over the one of the aircraft view,
// opaque, so that one caption shows.
void TForm1::drawLanguageCaption() {
    TImage* image = m_aircraft->Image2;
    QPainter p(&image->canvas());
    const QColor background = systemColours().toolTipBackground;
    tv::drawFlightCaption(p, m_geom.AircraftCentreX + 27, tv::aircraftViewFlightDirection(UiLanguage), &background);
    p.end();
    image->update();
}

void TForm1::BitBtn1Click() {
    m_about->fill(UiLanguage);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}
