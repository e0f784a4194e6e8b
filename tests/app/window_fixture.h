#pragma once
// A main window in a fresh temporary working directory (the settings and clipboard files live
// there), with dialogs that answer from a script instead of blocking.
#include "app/dialogs.h"
#include "app/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <deque>
#include <memory>

/// The whole file, or nothing when it cannot be read.
inline QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

/// Writes the bytes as the whole file; false when it cannot be written.
inline bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

class ScriptedDialogs : public TDialogs {
public:
    std::deque<std::optional<QString>> answers; // next open/save dialog result; empty = cancel
    std::deque<std::optional<int>> choices;     // next choice among items; empty = cancel
    QStringList offered;                        // the names of the last choice
    QStringList errors;
    int beeps = 0;
    QStringList folders; // where each open or save dialog started
    std::optional<QString> openFileName(QWidget*, const QString&, const QString& folder) override {
        folders << folder;
        return next();
    }
    std::optional<QString> saveFileName(QWidget*, const QString&, const QString& folder) override {
        folders << folder;
        return next();
    }
    void showError(QWidget*, const QString& text) override { errors << text; }
    QStringList warnings;      // texts of the confirmations asked
    bool confirmation = true;  // the answer to them
    bool confirm(QWidget*, const QString& text) override {
        warnings << text;
        return confirmation;
    }
    void beep() override { ++beeps; }
    std::optional<int> chooseItem(QWidget*, const QString&, const QString&, const QStringList& names,
                                  const QStringList&) override {
        offered = names;
        if (choices.empty()) return std::nullopt;
        auto c = choices.front();
        choices.pop_front();
        return c;
    }
    std::deque<Answer> saveAnswers; // next answers to "Save changes to ...?"; none left: Discard
    QStringList questions;
    Answer askSaveChanges(QWidget*, const tv::SaveChangesTexts& t) override {
        questions << QString::fromStdString(t.question);
        if (saveAnswers.empty()) return Answer::Discard;
        const Answer a = saveAnswers.front();
        saveAnswers.pop_front();
        return a;
    }

private:
    std::optional<QString> next() {
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        oldDir = QDir::currentPath();
        QDir::setCurrent(dir.path());
        // The per-user folders of this test, away from the real ones.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(path("config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(path("data")));
    }
    void TearDown() override {
        form.reset();
        QDir::setCurrent(oldDir);
    }
    TForm1& make(QStringList args = {}, double density = 96) {
        TForm1::Options o;
        o.arguments = args;
        o.dialogs = &dialogs;
        o.pixelDensity = density;
        form = std::make_unique<TForm1>(o);
        return *form;
    }
    template <class T = QWidget>
    T* get(const char* name) {
        T* c = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QString text(const char* name) {
        if (auto* e = form->findChild<QLineEdit*>(QString::fromLatin1(name))) return e->text();
        if (auto* l = form->findChild<QLabel*>(QString::fromLatin1(name))) return l->text();
        if (auto* b = form->findChild<QAbstractButton*>(QString::fromLatin1(name))) return b->text();
        ADD_FAILURE() << "no control " << name;
        return {};
    }
    void setText(const char* name, const QString& t) { get<QLineEdit>(name)->setText(t); }
    /// A window with the live neutral point on and its first live result shown.
    TForm1& makeLive() {
        TForm1& f = make();
        trigger("LiveNeutralPoint1");
        EXPECT_TRUE(f.liveNeutralPoint());
        waitLive();
        return f;
    }
    /// Lets the window's events run until no live calculation runs or waits (bounded).
    void waitLive() {
        QElapsedTimer t;
        t.start();
        while (form->liveCalculationBusy() && t.elapsed() < 60000) QApplication::processEvents(QEventLoop::AllEvents, 20);
        QApplication::processEvents();
        ASSERT_FALSE(form->liveCalculationBusy());
    }
    void trigger(const char* action) { get<QAction>(action)->trigger(); }
    void click(const char* button) { get<QAbstractButton>(button)->click(); }
    QTabWidget* pages() { return get<QTabWidget>("PageControl1"); }
    bool tabVisible(const char* page) { return pages()->isTabVisible(pages()->indexOf(get(page))); }
    void showPage(const char* page) { pages()->setCurrentWidget(get(page)); }
    QString path(const QString& name) const { return dir.filePath(name); }
    /// Where the settings and the clipboard go when the working directory has none.
    QString configPath(const QString& name) const { return dir.filePath("config/Tarvolin4/" + name); }
    QString dataPath(const QString& name) const { return dir.filePath("data/Tarvolin4/" + name); }

    QTemporaryDir dir;
    QString oldDir;
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
};
