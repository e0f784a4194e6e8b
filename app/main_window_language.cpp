// What the language switch asks of the window.
#include "app/main_window.h"

LanguageSwitch::Window TForm1::languageWindow() {
    return {.root = this,
            .spanLoading = m_spanLoading,
            .about = m_about,
            .viewGround = [this] { return systemColours().toolTipBackground; },
            .showGapQuestions = [this] { Space1(); },
            .showUndoTexts = [this] { updateUndoTexts(); },
            .rebuildRecentMenu = [this] { rebuildRecentMenu(); },
            .showResultState = [this] { if (!m_building) showResultState(); }};
}
