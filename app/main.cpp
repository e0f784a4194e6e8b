#include "app/tform1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvolin4"));
    TForm1::Options options;
    options.arguments = QApplication::arguments().mid(1);
    TForm1 form(options);
    form.show();
    return app.exec();
}
