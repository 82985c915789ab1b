// The picture button's states, mouse handling and painting. Qt keeps the mouse grabbed by the
// button while its left button is held, as the capture does on Windows; without it, leaving is
// reported by the window system.
#include "runtime/qt/picture_button_qt.h"

#include <QMouseEvent>
#include <QPainter>

#include "runtime/jpeg_picture.h"

namespace kestrune::qt {

QImage ImageFromJpeg(std::span<const unsigned char> jpeg) {
  const std::optional<Picture> picture = DecodeJpeg(jpeg);
  if (!picture) return {};
  return QImage(picture->rgb.data(), picture->width, picture->height, picture->width * 3,
                QImage::Format_RGB888)
      .copy();
}

PictureButton::PictureButton(QWidget* parent, std::span<const unsigned char> normalJpeg,
                             std::span<const unsigned char> mouseOverJpeg,
                             std::function<void()> clicked)
    : QWidget(parent),
      normal_(ImageFromJpeg(normalJpeg)),
      mouseOver_(ImageFromJpeg(mouseOverJpeg)),
      clicked_(std::move(clicked)) {
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::ArrowCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureButton::SetState(State state) {
  if (state_ == state) return;
  state_ = state;
  repaint();
}

// The mouse-over picture in that state when there is one; otherwise the normal picture.
const QImage& PictureButton::Picture() const {
  if (state_ == State::MouseOver && !mouseOver_.isNull()) return mouseOver_;
  return normal_;
}

void PictureButton::paintEvent(QPaintEvent*) {
  QImage offscreen(size(), QImage::Format_RGB32);
  offscreen.fill(Qt::black);
  if (!Picture().isNull()) QPainter(&offscreen).drawImage(0, 0, Picture());
  QPainter(this).drawImage(0, 0, offscreen);
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
  if (!isEnabled()) return;
  const bool over = rect().contains(event->position().toPoint());
  const bool held = (event->buttons() & Qt::LeftButton) != 0;
  if (state_ == State::Normal && over) {
    SetState(held ? State::Pressed : State::MouseOver);
  } else if (state_ != State::Normal && !over) {
    SetState(State::Normal);  // a held button stays grabbed, to see the release
  }
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && isEnabled()) SetState(State::Pressed);
}

// Released over the button: a click. Released elsewhere: nothing, and the button is normal.
void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool click = rect().contains(event->position().toPoint()) && isEnabled();
  SetState(State::Normal);
  if (click) clicked_();
}

void PictureButton::leaveEvent(QEvent*) {
  if (state_ == State::MouseOver) SetState(State::Normal);
}

}  // namespace kestrune::qt
