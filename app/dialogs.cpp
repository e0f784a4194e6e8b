#include "app/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

QString dialogStartFolder(const QString& projectFileName, bool projectNamed, const QStringList& exampleFolders) {
    if (projectNamed) return QFileInfo(projectFileName).absolutePath();
    for (const QString& folder : exampleFolders)
        if (QFileInfo(folder).isDir()) return QDir(folder).absolutePath();
    return QString();
}

QStringList exampleFolders() {
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tarvolin4/examples"),
            QStringLiteral(TV_SOURCE_EXAMPLES_DIR)};
}

std::optional<QString> TQtDialogs::openFileName(QWidget* parent, const QString& filter, const QString& folder) {
    const QString name = QFileDialog::getOpenFileName(parent, QString(), folder, filter);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

std::optional<QString> TQtDialogs::saveFileName(QWidget* parent, const QString& filter, const QString& folder) {
    const QString name = QFileDialog::getSaveFileName(parent, QString(), folder, filter);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

void TQtDialogs::showError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QApplication::applicationName(), text);
}

void TQtDialogs::beep() { QApplication::beep(); }

TDialogs::Answer TQtDialogs::askSaveChanges(QWidget* parent, const tv::SaveChangesTexts& t) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), QString::fromStdString(t.question),
                    QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(QString::fromStdString(t.save), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QString::fromStdString(t.discard), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QString::fromStdString(t.cancel), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return Answer::Save;
    if (box.clickedButton() == discard) return Answer::Discard;
    return Answer::Cancel;
}
