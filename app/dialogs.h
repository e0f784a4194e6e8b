#pragma once
// The modal dialogs of the main window behind one small interface, so that tests can answer
// them without a user (and without ever blocking on a modal loop).
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

class TDialogs {
public:
    virtual ~TDialogs() = default;
    /// Standard open dialog; no value when the user cancels.
    virtual std::optional<QString> openFileName(QWidget* parent, const QString& filter) = 0;
    /// Standard save dialog; no value when the user cancels.
    virtual std::optional<QString> saveFileName(QWidget* parent, const QString& filter) = 0;
    /// The application's standard error box with the system's error text.
    virtual void showError(QWidget* parent, const QString& text) = 0;
    /// The system beep.
    virtual void beep() = 0;
    /// A choice among named items, the detail of the highlighted one shown under the list; the
    /// index chosen (0-based), nothing when the user cancels (as dialogs without a user do).
    virtual std::optional<int> chooseItem(QWidget* parent, const QString& title, const QString& prompt,
                                          const QStringList& names, const QStringList& details) {
        return std::nullopt;
    }
};

/// The real dialogs of the desktop.
class TQtDialogs : public TDialogs {
public:
    std::optional<QString> openFileName(QWidget* parent, const QString& filter) override;
    std::optional<QString> saveFileName(QWidget* parent, const QString& filter) override;
    void showError(QWidget* parent, const QString& text) override;
    void beep() override;
    std::optional<int> chooseItem(QWidget* parent, const QString& title, const QString& prompt,
                                  const QStringList& names, const QStringList& details) override;
};
