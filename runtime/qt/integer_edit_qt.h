// The integer entry box: a one-line edit field that takes only '-' and digits from the keyboard
// (no input method: its text would bypass the filter), at most its limit of characters from the
// keyboard or a paste, and shows its number in normal form once it loses the focus. Its line of
// text sits in the middle; a click in the bands above or below does not place the caret.
// Text set by the program is neither filtered, nor cut, nor normalised.
#pragma once

#include <QLineEdit>

namespace kestrune::qt {

class IntegerEdit final : public QLineEdit {
 public:
  // limit: characters a user may enter; 0 for none.
  IntegerEdit(QWidget* parent, int limit);

  // The line of text within the box.
  QRect TextLine() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  qsizetype Room() const;
  void PasteWithinLimit();
  void Normalize();

  int limit_;
};

}  // namespace kestrune::qt
