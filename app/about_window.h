#pragma once
// The about window: what the program does, its credits and where to obtain it, in one language.
#include "i18n/texts.h"

#include <QWidget>

class QLabel;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    /// Writes every label in the language and sizes the window to its contents.
    void fill(tv::UiLanguage lang);

private:
    QLabel* addLabel(const char* name, int x, int y, const QColor& colour, bool bold);
};
