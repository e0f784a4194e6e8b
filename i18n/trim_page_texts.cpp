#include "i18n/trim_page_texts.h"

namespace tv {

const TrimPageTexts& trimPageTexts(UiLanguage lang) {
    static const TrimPageTexts en{
        "Trim", "Wing", "Incidence (deg)", "Section", "Twist (deg)", "Airfoil / NACA", "α0 (deg)", "Cm0",
        "Load airfoil…", "Flying mass", "the balance table's total: ", "Air density (kg/m³)", "Question",
        "as set", "target CL", "target speed", "Target", "Trim variable", "washout of wing ",
        "incidence of wing ", "automatic", "Trim curve", "trim variable (deg)", "V", "current setting",
        "Airfoil coordinates (*.dat *.txt);;All files (*)", "no trim: neither My CG nor a recommended CG is known", "decalage "};
    static const TrimPageTexts de{
        "Trimm", "Flügel", "Einstellwinkel (Grad)", "Schnitt", "Schränkung (Grad)", "Profil / NACA", "α0 (Grad)",
        "Cm0", "Profil laden…", "Flugmasse", "Summe der Massentabelle: ", "Luftdichte (kg/m³)", "Frage",
        "wie eingestellt", "Ziel-CL", "Zielgeschwindigkeit", "Ziel", "Trimmgröße", "Schränkung von Flügel ",
        "Einstellwinkel von Flügel ", "automatisch", "Trimmkurve", "Trimmgröße (Grad)", "V", "aktuelle Einstellung",
        "Profilkoordinaten (*.dat *.txt);;Alle Dateien (*)",
        "kein Trimm: weder Mein SP noch ein empfohlener Schwerpunkt ist bekannt", "EWD "};
    static const TrimPageTexts es{
        "Equilibrado", "Ala", "Incidencia (grados)", "Sección", "Torsión (grados)", "Perfil / NACA", "α0 (grados)",
        "Cm0", "Cargar perfil…", "Masa en vuelo", "el total de la tabla de masas: ", "Densidad del aire (kg/m³)",
        "Pregunta", "tal como está", "CL objetivo", "velocidad objetivo", "Objetivo", "Variable de equilibrado",
        "alabeo del ala ", "incidencia del ala ", "automática", "Curva de equilibrado", "variable de equilibrado (grados)",
        "V", "ajuste actual", "Coordenadas de perfil (*.dat *.txt);;Todos los archivos (*)",
        "sin equilibrio: no se conoce ni Mi CG ni un CG recomendado", "decalaje "};
    return lang == UiLanguage::German ? de : lang == UiLanguage::Spanish ? es : en;
}

std::string trimStripText(UiLanguage lang, const std::string& speed, const std::string& setting) {
    const char* head = pick(lang, "Trim", "Trimm", "Equilibrado");
    if (!speed.empty()) return std::string(head) + " V " + speed;
    if (!setting.empty()) return std::string(head) + ": " + setting;
    return "";
}

std::string trimmedClTitle(UiLanguage lang, const std::string& cl) {
    return std::string(pick(lang, "Local cl at trim, CL ", "Örtliches cl im Trimm, CL ", "cl local en equilibrio, CL ")) + cl;
}

} // namespace tv
