#pragma once
// An image control: an off-screen bitmap that the program draws into and the control paints.
// The bitmap is kept in design pixels (96 pixels per inch); at another density the control is
// scaled by the window and paints the bitmap stretched, so drawings keep their proportions and
// the drawing code always works in the coordinates it was written for. Mouse positions are
// reported in bitmap coordinates.
#include <QImage>
#include <QPoint>
#include <QWidget>

class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    /// The bitmap that drawings go to; call update() (or repaint()) to show what was drawn.
    QImage& canvas() { return m_bitmap; }
    const QImage& canvas() const { return m_bitmap; }
    /// Gives the bitmap a new size in design pixels; the content is cleared to white.
    void setBitmapSize(QSize designSize);
    QSize bitmapSize() const { return m_bitmap.size(); }
    /// Fills the whole bitmap with one colour and draws a one-pixel outline.
    void clear(const QColor& fill, const QColor& outline);

signals:
    void mouseDown(QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers shift);
    void mouseMove(QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers shift);
    void mouseUp(QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers shift);
    void mouseLeave();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPoint toBitmap(QPointF widgetPos) const;
    QImage m_bitmap;
};
