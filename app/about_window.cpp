#include "app/about_window.h"

#include <QLabel>
#include <tarvolin_version.h>

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral(" Info"));
    const QColor blue(0, 0, 255), black(0, 0, 0);
    addLabel("Label9", 32, 0, black, false);
    addLabel("Label1", 0, 16, blue, true);
    addLabel("Label2", 24, 32, blue, true);
    addLabel("Label7", 32, 48, blue, true);
    addLabel("Label3", 40, 81, black, true);
    addLabel("Label4", 72, 97, black, false);
    addLabel("Label5", 48, 121, black, true);
    addLabel("Label6", 72, 137, black, false);
    addLabel("Label10", 8, 162, black, false);
    addLabel("Label11", 11, 180, black, false);
    addLabel("Label8", 32, 195, black, false);
}

QLabel* TForm2::addLabel(const char* name, int x, int y, const QColor& colour, bool bold) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->move(x + 8, y + 8);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    QFont f = label->font();
    f.setBold(bold);
    label->setFont(f);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

void TForm2::fill(tv::UiLanguage lang) {
    const tv::AboutTexts& t = tv::aboutTexts(lang);
    const std::pair<const char*, const char*> rows[] = {
        {"Label1", t.purpose1}, {"Label2", t.purpose2}, {"Label7", t.purpose3}, {"Label3", t.creditIdea},
        {"Label4", t.mailIdea}, {"Label5", t.creditRealisation}, {"Label6", t.mailRealisation},
        {"Label10", t.availability}, {"Label11", t.webAddress}};
    for (const auto& [name, text] : rows) {
        auto* label = findChild<QLabel*>(QString::fromLatin1(name));
        label->setText(QString::fromUtf8(text));
        label->adjustSize();
    }
    auto* version = findChild<QLabel*>(QStringLiteral("Label8"));
    version->setText(QStringLiteral("Tarvolin4 ") + QLatin1String(tv::kProgramVersion));
    version->adjustSize();
    const QRect used = childrenRect();
    resize(used.right() + 16, used.bottom() + 16);
}
