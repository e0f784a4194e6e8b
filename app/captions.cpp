#include "app/captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QTabWidget>
#include <QTranslator>

void applyCaptions(QObject* root, QTabWidget* pages, const std::vector<tv::ControlText>& texts) {
    for (const tv::ControlText& ct : texts) {
        const QString text = QString::fromStdString(ct.text);
        QObject* o = root->findChild<QObject*>(QString::fromLatin1(ct.objectName));
        if (!o) continue;
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
}

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations() {
    if (m_translator) QCoreApplication::removeTranslator(m_translator.get());
}

void QtTranslations::load(tv::UiLanguage lang) {
    if (m_translator) QCoreApplication::removeTranslator(m_translator.get());
    m_translator.reset();
    if (lang == tv::UiLanguage::English) return;
    auto translator = std::make_unique<QTranslator>();
    const QString name = lang == tv::UiLanguage::German ? QStringLiteral("qtbase_de") : QStringLiteral("qtbase_es");
    // Without the catalogue (translations package missing) Qt's texts stay English.
    if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return;
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
}
