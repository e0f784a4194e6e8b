#include "app/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
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
    // share/tarvolin4/examples beside the program's folder or above it: /usr/bin's is
    // /usr/share's, a build folder's (the program or a test two levels down) is the build
    // folder's copy. No folder of the machine that built the program is written into it.
    QStringList folders;
    QDir dir(QCoreApplication::applicationDirPath());
    do {
        folders << dir.absoluteFilePath(QStringLiteral("../share/tarvolin4/examples"));
    } while (folders.size() < 3 && dir.cdUp());
    return folders;
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

bool TQtDialogs::confirm(QWidget* parent, const QString& text) {
    return QMessageBox::warning(parent, QApplication::applicationName(), text, QMessageBox::Save | QMessageBox::Cancel,
                                QMessageBox::Save) == QMessageBox::Save;
}

void TQtDialogs::beep() { QApplication::beep(); }

std::optional<int> TQtDialogs::chooseItem(QWidget* parent, const QString& title, const QString& prompt,
                                          const QStringList& names, const QStringList& details) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ChoiceDialog"));
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(prompt, &dialog));
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("ChoiceList"));
    list->addItems(names);
    layout->addWidget(list);
    auto* detail = new QLabel(&dialog);
    detail->setWordWrap(true);
    detail->setMinimumHeight(3 * detail->fontMetrics().height());
    layout->addWidget(detail);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(list, &QListWidget::currentRowChanged, detail,
                     [detail, details](int row) { detail->setText(row >= 0 && row < details.size() ? details[row] : QString()); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    list->setCurrentRow(0);
    dialog.resize(dialog.sizeHint().expandedTo(QSize(420, 320)));
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) return std::nullopt;
    return list->currentRow();
}

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
