#pragma once
// A vector picture that fills its widget, stretched to the widget's size.
// Painting through QSvgRenderer keeps it sharp at any resolution, printing
// included.

#include <QSvgRenderer>
#include <QWidget>

class SvgPicture : public QWidget {
    Q_OBJECT
public:
    explicit SvgPicture(const QString& fileName, QWidget* parent = nullptr);
    QSvgRenderer& renderer() { return renderer_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer renderer_;
};
