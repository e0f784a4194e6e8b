#pragma once
// The window's rules for keys, focus, the pointer leaving a view and page resizes, seen anywhere
// in the application: an event filter that turns them into intents the window connects.
#include <QObject>

class QTabWidget;
class QWidget;

class WindowEvents : public QObject {
    Q_OBJECT
public:
    /// remarks: the text box whose undo keys, like the fields', belong to the window's history;
    /// pages: the tab widget whose shown page's resizes are reported.
    WindowEvents(const QWidget* remarks, const QTabWidget* pages, QObject* parent = nullptr);

signals:
    /// A key other than a modifier was pressed: a drag in progress ends.
    void endDrag();
    /// A field or the remarks lost the focus: the next typing starts an undo step of its own.
    void closeEditMerge();
    /// The pointer left a view: no pointer position to show.
    void clearPointerPosition();
    /// The page shown got a new size.
    void pageResized(QWidget* page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isTextEdit(const QObject* o) const;
    const QWidget* m_remarks;
    const QTabWidget* m_pages;
};
