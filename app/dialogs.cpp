#include "app/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

std::optional<QString> TQtDialogs::openFileName(QWidget* parent, const QString& filter) {
    const QString name = QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

std::optional<QString> TQtDialogs::saveFileName(QWidget* parent, const QString& filter) {
    const QString name = QFileDialog::getSaveFileName(parent, QString(), QString(), filter);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

void TQtDialogs::showError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QApplication::applicationName(), text);
}

bool TQtDialogs::confirm(QWidget* parent, const QString& text) {
    return QMessageBox::warning(parent, QApplication::applicationName(), text, QMessageBox::Save | QMessageBox::Cancel,
                                QMessageBox::Save) == QMessageBox::Save;
}

void TQtDialogs::beep() { QApplication::beep(); }
