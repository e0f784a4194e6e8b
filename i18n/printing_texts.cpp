// Texts of the printing failures and the PDF export, in the three languages.
#include "i18n/texts.h"

namespace tv {

const PrintingTexts& printingTexts(UiLanguage lang) {
    static const PrintingTexts en{"Printing on ", "the printer or the print system is no longer available",
                                  "the print system did not accept the document",
                                  "the document could not be finished and sent to the printer", "PDF files (*.pdf)",
                                  "The report could not be saved as PDF: "};
    static const PrintingTexts de{"Drucken auf ", "der Drucker oder das Drucksystem ist nicht mehr verfügbar",
                                  "das Drucksystem hat das Dokument nicht angenommen",
                                  "das Dokument konnte nicht abgeschlossen und an den Drucker gesendet werden",
                                  "PDF-Dateien (*.pdf)", "Der Bericht konnte nicht als PDF gespeichert werden: "};
    static const PrintingTexts es{"Error al imprimir en ", "la impresora o el sistema de impresión ya no está disponible",
                                  "el sistema de impresión no aceptó el documento",
                                  "no se pudo terminar el documento ni enviarlo a la impresora", "Archivos PDF (*.pdf)",
                                  "No se pudo guardar el informe como PDF: "};
    if (lang == UiLanguage::English) return en;
    return lang == UiLanguage::German ? de : es;
}

} // namespace tv
