#pragma once
// Controls are placed in design pixels (96 per inch) and scaled to the screen by one factor.
#include "app/imagecontrol.h"

#include <QLabel>
#include <QString>
#include <QWidget>

#include <cmath>

struct Placement {
    double scale = 1.0; // screen pixels per design pixel

    int px(int v) const { return int(std::lround(v * scale)); }
    void place(QWidget* widget, int x, int y, int w, int h) const { widget->setGeometry(px(x), px(y), px(w), px(h)); }
    void place(QWidget* widget, const QRect& r) const { place(widget, r.x(), r.y(), r.width(), r.height()); }
    /// An image control: its bitmap has the design size, shown at the scale.
    void placeImage(TImage* image, int x, int y, int w, int h) const {
        image->setDesignScale(scale);
        image->setBitmapSize(QSize(w, h));
        place(image, x, y, w, h);
    }
    void placeImage(TImage* image, const QRect& r) const { placeImage(image, r.x(), r.y(), r.width(), r.height()); }
    QLabel* label(QWidget* parent, const QString& name, int x, int y, int w, int h) const {
        auto* l = new QLabel(parent);
        l->setObjectName(name);
        place(l, x, y, w, h);
        return l;
    }
};

template <class T>
T* named(T* object, const QString& name) {
    object->setObjectName(name);
    return object;
}
