#pragma once
// The span-loading window: the plot of views/span_loading.h, drawn afresh at every paint from
// the scene its owner supplies (the loads of the calculation that belongs to the model, or none).
#include "views/span_loading.h"

#include <QImage>
#include <QWidget>

#include <functional>

class TSpanLoadingWindow : public QWidget {
    Q_OBJECT
public:
    using SceneSource = std::function<tv::SpanLoadingScene()>;
    explicit TSpanLoadingWindow(SceneSource source, QWidget* parent = nullptr);
    /// The picture as the window paints it, at `size` (also for screenshots and tests).
    QImage picture(QSize size) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SceneSource m_source;
};
