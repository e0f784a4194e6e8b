// The window's event rules, without a window: which keys end a drag, whose undo keys the history
// takes, which focus loss closes an undo step, which leave clears the pointer position, which
// resize lays the page out again.
#include "app/imagecontrol.h"
#include "app/window_events.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

/// The filter with its entry open to the test.
struct Events : WindowEvents {
    using WindowEvents::WindowEvents;
    using WindowEvents::eventFilter;
};

struct Widgets {
    QTabWidget pages;
    QWidget* shown = new QWidget;
    QWidget* hidden = new QWidget;
    QLineEdit* field = new QLineEdit(shown);
    QPlainTextEdit* remarks = new QPlainTextEdit(shown);
    QPlainTextEdit* otherText = new QPlainTextEdit(shown);
    QPushButton* button = new QPushButton(shown);
    TImage* view = new TImage(shown);
    Widgets() {
        pages.addTab(shown, QStringLiteral("a"));
        pages.addTab(hidden, QStringLiteral("b"));
    }
};

enum Intent { None, EndDrag, CloseEditMerge, ClearPointer, PageResized };

struct Row {
    const char* name;
    std::function<QObject*(Widgets&)> target;
    std::function<std::unique_ptr<QEvent>()> event;
    Intent intent;
    bool consumed;
};

std::function<std::unique_ptr<QEvent>()> key(QEvent::Type type, int k, Qt::KeyboardModifiers mods = {}) {
    return [=] { return std::make_unique<QKeyEvent>(type, k, mods); };
}
std::function<std::unique_ptr<QEvent>()> plain(QEvent::Type type) {
    return [=]() -> std::unique_ptr<QEvent> {
        if (type == QEvent::FocusOut) return std::make_unique<QFocusEvent>(type);
        return std::make_unique<QEvent>(type);
    };
}
std::function<std::unique_ptr<QEvent>()> resize() {
    return [] { return std::make_unique<QResizeEvent>(QSize(300, 200), QSize(200, 100)); };
}
QObject* field(Widgets& w) { return w.field; }
QObject* remarks(Widgets& w) { return w.remarks; }
QObject* otherText(Widgets& w) { return w.otherText; }
QObject* button(Widgets& w) { return w.button; }
QObject* view(Widgets& w) { return w.view; }

constexpr auto Ctrl = Qt::ControlModifier;
constexpr auto CtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

const Row kRows[] = {
    {"Escape", button, key(QEvent::KeyPress, Qt::Key_Escape), EndDrag, false},
    {"a letter in a field", field, key(QEvent::KeyPress, Qt::Key_A), EndDrag, false},
    {"Shift", button, key(QEvent::KeyPress, Qt::Key_Shift), None, false},
    {"Control", button, key(QEvent::KeyPress, Qt::Key_Control), None, false},
    {"Alt", button, key(QEvent::KeyPress, Qt::Key_Alt), None, false},
    {"Meta", button, key(QEvent::KeyPress, Qt::Key_Meta), None, false},
    {"Ctrl+Z in a field", field, key(QEvent::ShortcutOverride, Qt::Key_Z, Ctrl), None, true},
    {"Ctrl+Shift+Z in the remarks", remarks, key(QEvent::ShortcutOverride, Qt::Key_Z, CtrlShift), None, true},
    {"Ctrl+Y in a field", field, key(QEvent::ShortcutOverride, Qt::Key_Y, Ctrl), None, true},
    {"Ctrl+A in a field", field, key(QEvent::ShortcutOverride, Qt::Key_A, Ctrl), None, false},
    {"Ctrl+Z on a button", button, key(QEvent::ShortcutOverride, Qt::Key_Z, Ctrl), None, false},
    {"Ctrl+Z in another text box", otherText, key(QEvent::ShortcutOverride, Qt::Key_Z, Ctrl), None, false},
    {"a field left", field, plain(QEvent::FocusOut), CloseEditMerge, false},
    {"the remarks left", remarks, plain(QEvent::FocusOut), CloseEditMerge, false},
    {"a button left", button, plain(QEvent::FocusOut), None, false},
    {"a view left by the pointer", view, plain(QEvent::Leave), ClearPointer, false},
    {"a button left by the pointer", button, plain(QEvent::Leave), None, false},
    {"the shown page resized", [](Widgets& w) -> QObject* { return w.shown; }, resize(), PageResized, false},
    {"a hidden page resized", [](Widgets& w) -> QObject* { return w.hidden; }, resize(), None, false},
    {"a view resized", view, resize(), None, false},
};

TEST(WindowEvents, TurnKeysFocusLeavesAndResizesIntoTheirIntents) {
    for (const Row& r : kRows) {
        Widgets w;
        Events events(w.remarks, &w.pages);
        std::vector<Intent> seen;
        QObject::connect(&events, &WindowEvents::endDrag, [&] { seen.push_back(EndDrag); });
        QObject::connect(&events, &WindowEvents::closeEditMerge, [&] { seen.push_back(CloseEditMerge); });
        QObject::connect(&events, &WindowEvents::clearPointerPosition, [&] { seen.push_back(ClearPointer); });
        QObject::connect(&events, &WindowEvents::pageResized, [&](QWidget* page) {
            EXPECT_EQ(page, w.shown) << r.name;
            seen.push_back(PageResized);
        });
        const std::unique_ptr<QEvent> e = r.event();
        EXPECT_EQ(events.eventFilter(r.target(w), e.get()), r.consumed) << r.name;
        EXPECT_EQ(seen, r.intent == None ? std::vector<Intent>{} : std::vector<Intent>{r.intent}) << r.name;
        // A consumed undo key is declined as a shortcut of the field, so the window's command gets it.
        if (r.consumed) {
            EXPECT_FALSE(e->isAccepted()) << r.name;
        }
    }
}

} // namespace
