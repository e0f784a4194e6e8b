// The three language procedures, the language menu and tool buttons, and the about window.
#include "app/imagecontrol.h"
#include "app/tform1.h"
#include "app/about_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>

void TForm1::deutsch() { applyLanguage(tv::UiLanguage::German); }
void TForm1::english() { applyLanguage(tv::UiLanguage::English); }
void TForm1::spain() { applyLanguage(tv::UiLanguage::Spanish); }

void TForm1::german1Click() { selectLanguage(tv::UiLanguage::German); }
void TForm1::english1Click() { selectLanguage(tv::UiLanguage::English); }
void TForm1::spain1Click() { selectLanguage(tv::UiLanguage::Spanish); }

void TForm1::selectLanguage(tv::UiLanguage lang) {
    UiLanguage = lang;
    m_langButton[0]->setVisible(lang == tv::UiLanguage::German);
    m_langButton[1]->setVisible(lang == tv::UiLanguage::English);
    m_langButton[2]->setVisible(lang == tv::UiLanguage::Spanish);
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
    // whose flight-direction caption is the catalogue's.
    Catalogue = tv::messageCatalogue(lang);
    std::array<std::string, tv::kWingMax + 1> thumbnailCaptions;
    for (int w = 1; w <= tv::kWingMax; ++w) thumbnailCaptions[w] = tv::thumbnailCaption(lang, w);
    redrawThumbnails(thumbnailCaptions);
    // The stability texts in the new language; without a neutral point there are none, and the
    // aircraft view is drawn afresh instead.
    STABIL();
    if (!NeutralPointKnown) {
        m_image2->clear(systemColours().toolTipBackground, tv::kGreyOutline);
        drawAircraftView();
    }
    for (int w = 1; w <= tv::kWingMax; ++w) drawDimensionDiagram(w);
    for (const tv::ControlText& ct : tv::menuTexts(lang)) setCaption(this, m_pages, ct);
    applyExportLanguage(lang);
    drawLanguageCaption();
    Space1(nullptr);
    applySessionTexts(lang);
}

// The language switch writes its own flight-direction caption over the one of the aircraft view,
// opaque, so that one caption shows.
void TForm1::drawLanguageCaption() {
    QPainter p(&m_image2->canvas());
    const QColor background = systemColours().toolTipBackground;
    tv::drawFlightCaption(p, m_geom.AircraftCentreX + 27, tv::aircraftViewFlightDirection(UiLanguage), &background);
    p.end();
    m_image2->update();
}

void TForm1::BitBtn1Click() {
    m_about->fill(UiLanguage);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}
