#include "app/window_events.h"

#include "app/imagecontrol.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>

WindowEvents::WindowEvents(const QWidget* remarks, const QTabWidget* pages, QObject* parent)
    : QObject(parent), m_remarks(remarks), m_pages(pages) {}

bool WindowEvents::isTextEdit(const QObject* o) const {
    return qobject_cast<const QLineEdit*>(o) || o == m_remarks;
}

bool WindowEvents::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // Ctrl+Z and its kin belong to the window's history, not to a field's own undo.
        auto* key = static_cast<QKeyEvent*>(event);
        if (isTextEdit(watched)) {
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                QKeySequence(key->keyCombination()) == QKeySequence(QStringLiteral("Ctrl+Y"))) {
                event->ignore();
                return true;
            }
        }
        break;
    }
    case QEvent::KeyPress: {
        // A key ends a drag (Escape among them); Shift and its kin only shape it.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_Meta)
            emit endDrag();
        break;
    }
    case QEvent::FocusOut:
        if (isTextEdit(watched)) emit closeEditMerge();
        break;
    case QEvent::Leave:
        if (qobject_cast<TImage*>(watched)) emit clearPointerPosition();
        break;
    case QEvent::Resize:
        // The pages get their real size only once the tab widget lays itself out, after the
        // window's own resize: the layout is redone then, so the first drawing is the final one.
        if (m_pages && watched == m_pages->currentWidget()) emit pageResized(static_cast<QWidget*>(watched));
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}
