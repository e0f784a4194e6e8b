#pragma once
// An image control: an off-screen bitmap that the program draws into and the control paints.
// Drawings are made in design pixels (96 per inch); the bitmap holds as many device pixels as
// the control covers on the screen (design size x window scale x the screen's device-pixel
// ratio) and carries that ratio, so a painter on it works in design units while lines stay one
// device pixel thin and text is drawn at full resolution, never stretched. Mouse positions are
// reported in design pixels.
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
    /// Design pixels to the control's own pixels (96 / pixel density); set before the bitmap size.
    void setDesignScale(double scale) { m_designScale = scale; }
    /// Gives the bitmap a new size in design pixels; the content is cleared to white.
    void setBitmapSize(QSize designSize);
    /// The bitmap's size in design pixels, the coordinates every drawing uses.
    QSize bitmapSize() const { return m_designSize; }
    /// Device pixels per design pixel of the bitmap.
    double bitmapRatio() const { return m_bitmap.devicePixelRatio(); }
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
    QSize m_designSize;
    double m_designScale = 1.0;
};
