// Painting a label.
#include "runtime/qt/label_qt.h"

#include <QPainter>

namespace kestrune::qt {

Label::Label(QWidget* parent, const QColor& text, const QColor& background)
    : QWidget(parent), text_(text), background_(background) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Label::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void Label::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), background_);
  painter.setPen(text_);
  painter.setFont(font());
  painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
}

}  // namespace kestrune::qt
