#pragma once
// A picture of the main window: the background, a board button, a control, an icon or
// a mark. Shows its own copy of a picture, stretched to its size unless told not to.
// Made a button, it is one to screen readers too: they can press it and hear whether it
// responds now and whether it is lit.
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

    // Before anything asks for its accessible interface.
    void makeButton();
    bool isButton() const { return button_; }
    // What the game's rules say; the widget stays enabled, so every click still reaches them.
    void setResponds(bool responds);
    bool responds() const { return responds_; }
    void setLit(bool lit);
    bool lit() const { return lit_; }
    // What a left click does, unless a modal window keeps the mouse from this one.
    void click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    bool stretch_;
    bool button_ = false;
    bool responds_ = true;
    bool lit_ = false;
};
