#pragma once
// The captions of the window's controls and menus in a language, and Qt's own texts with them.
#include "i18n/texts.h"

#include <memory>
#include <vector>

class QObject;
class QTabWidget;
class QTranslator;

/// Sets each text on whatever control, menu, item or tab page carries its name under root; a name
/// that nothing carries is passed over.
void applyCaptions(QObject* root, QTabWidget* pages, const std::vector<tv::ControlText>& texts);

/// Qt's own texts (file dialogs, standard buttons) in the language: its qtbase catalogue, installed
/// while German or Spanish is chosen.
class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();
    void load(tv::UiLanguage lang);

private:
    std::unique_ptr<QTranslator> m_translator;
};
