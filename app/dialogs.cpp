#include "app/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
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
