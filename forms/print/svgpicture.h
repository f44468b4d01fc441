#pragma once
// A vector picture that fills its widget, stretched to the widget's size.
// Painting an SVG keeps it sharp at any resolution, printing included; the
// picture is read when first drawn.

#include <QWidget>
#include <memory>

class QSvgRenderer;

class SvgPicture : public QWidget {
    Q_OBJECT
public:
    explicit SvgPicture(const QString& fileName, QWidget* parent = nullptr);
    ~SvgPicture() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString fileName_;
    std::unique_ptr<QSvgRenderer> drawing_;
};
