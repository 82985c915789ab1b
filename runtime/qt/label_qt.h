// A label as the program draws it: its whole area in its background colour, then its caption
// in its colour and font on one line, aligned left, centred vertically, never wrapped.
#pragma once

#include <QColor>
#include <QWidget>

namespace kestrune::qt {

class Label final : public QWidget {
 public:
  Label(QWidget* parent, const QColor& text, const QColor& background);

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  QColor text_;
  QColor background_;
};

}  // namespace kestrune::qt
