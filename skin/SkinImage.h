#pragma once
// A picture of the main window: the background, a board button, a control, an icon or
// a mark. Shows its own copy of a picture, stretched to its size unless told not to.
#include <functional>

#include <QImage>
#include <QWidget>

class SkinImage : public QWidget {
    Q_OBJECT
public:
    using MouseHandler = std::function<void(Qt::MouseButton button, QPoint pos)>;

    explicit SkinImage(QWidget* parent, bool stretch = true);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    MouseHandler onPress;
    MouseHandler onRelease;
    MouseHandler onMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    bool stretch_;
};
