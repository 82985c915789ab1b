// Key filter, length limit, normal form and the centred line of the integer entry box.
#include "runtime/qt/integer_edit_qt.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>
#include <limits>
#include <memory>

#include "runtime/integer_entry.h"
#include "runtime/qt/gbk_qt.h"

namespace kestrune::qt {

IntegerEdit::IntegerEdit(QWidget* parent, int limit) : QLineEdit(parent), limit_(limit) {
  setAlignment(Qt::AlignCenter);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setMaxLength(32767);  // the edit control's own limit; the box's is applied to user input only
}

QRect IntegerEdit::TextLine() const {
  const int line = fontMetrics().height();
  return QRect(0, (height() - line) / 2, width(), line);
}

// Characters the user may still add, the selection being replaced.
qsizetype IntegerEdit::Room() const {
  if (limit_ <= 0) return std::numeric_limits<qsizetype>::max();
  return std::max<qsizetype>(0, limit_ - (text().size() - selectedText().size()));
}

void IntegerEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    PasteWithinLimit();
    return;
  }
  const QString typed = event->text();
  const bool printable = !typed.isEmpty() && typed.front().unicode() >= 32;
  if (printable) {
    const bool taken = std::all_of(typed.begin(), typed.end(),
                                   [](QChar c) { return TakesTypedCharacter(c.unicode()); });
    if (!taken || typed.size() > Room()) return;  // dropped silently
  }
  QLineEdit::keyPressEvent(event);
}

// As much of the clipboard's text as fits, unfiltered.
void IntegerEdit::PasteWithinLimit() { insert(QApplication::clipboard()->text().left(Room())); }

void IntegerEdit::focusOutEvent(QFocusEvent* event) {
  Normalize();
  QLineEdit::focusOutEvent(event);
}

// The caret goes where the selection began.
void IntegerEdit::Normalize() {
  const std::string shown = ToGbk(text());
  const std::string normalized = NormalizedEntry(shown);
  if (normalized == shown) return;
  const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
  setText(FromGbk(normalized));
  setCursorPosition(std::min<int>(caret, static_cast<int>(text().size())));
}

void IntegerEdit::mousePressEvent(QMouseEvent* event) {
  if (TextLine().contains(event->position().toPoint())) QLineEdit::mousePressEvent(event);
}

void IntegerEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  if (TextLine().contains(event->position().toPoint())) QLineEdit::mouseDoubleClickEvent(event);
}

// The usual menu, whose paste keeps to the limit as typing does.
void IntegerEdit::contextMenuEvent(QContextMenuEvent* event) {
  std::unique_ptr<QMenu> menu(createStandardContextMenu());
  for (QAction* action : menu->actions()) {
    if (action->objectName() != QLatin1String("edit-paste")) continue;
    action->disconnect();
    connect(action, &QAction::triggered, this, &IntegerEdit::PasteWithinLimit);
  }
  menu->exec(event->globalPos());
}

}  // namespace kestrune::qt
