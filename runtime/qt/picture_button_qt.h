// The self-painted picture button: the normal picture at rest and while pressed, the mouse-over
// picture while the pointer rests on it, a click when the left button is released over it. It
// never takes the keyboard focus. It paints through an off-screen image: black, then the
// picture unscaled at the top left.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <span>

namespace kestrune::qt {

class PictureButton final : public QWidget {
 public:
  enum class State { Normal, MouseOver, Pressed };

  PictureButton(QWidget* parent, std::span<const unsigned char> normalJpeg,
                std::span<const unsigned char> mouseOverJpeg, std::function<void()> clicked);

  State CurrentState() const { return state_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void SetState(State state);
  const QImage& Picture() const;

  QImage normal_;  // null when it cannot be decoded: counts as absent
  QImage mouseOver_;
  State state_ = State::Normal;
  std::function<void()> clicked_;
};

// The image of a JPEG picture; a null image when it cannot be decoded.
QImage ImageFromJpeg(std::span<const unsigned char> jpeg);

}  // namespace kestrune::qt
