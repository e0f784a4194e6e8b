#pragma once
// A document view over a document alone, for units tested without a window: no drag runs, the
// language is English, the units metric unless a test sets others.
#include "app/document/document_view.h"

class DocumentOnlyView : public DocumentView {
public:
    explicit DocumentOnlyView(const ProjectDocument& doc) : m_doc(doc) {}
    const ProjectDocument& document() const override { return m_doc; }
    tv::AircraftTexts shownTexts() const override { return m_doc.texts(); }
    tv::UiLanguage language() const override { return tv::UiLanguage::English; }
    const tv::MessageCatalogue& catalogue() const override { return m_catalogue; }
    const tv::DisplayUnits& units() const override { return shownUnits; }

    tv::DisplayUnits shownUnits;

private:
    const ProjectDocument& m_doc;
    tv::MessageCatalogue m_catalogue = tv::messageCatalogue(tv::UiLanguage::English);
};
