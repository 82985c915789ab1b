// The integer entry boxes on the Qt platform, with synthesized keys, pastes, clicks and focus.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "runtime/properties.h"
#include "runtime/qt/integer_edit_qt.h"
#include "tests/qt/main_window_fixture.h"

namespace kestrune::qt {
namespace {

class QtIntegerEditTest : public QtMainWindowTest {
 protected:
  QLineEdit* Box(const char* name) {
    return static_cast<QLineEdit*>(Control(QString::fromUtf8(name)));
  }
  // Each character as a key press carrying it, as a keyboard layout delivers it.
  void TypeInto(const char* name, const char* keys) {
    Box(name)->setFocus();
    for (const QChar character : QString::fromUtf8(keys)) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
      QCoreApplication::sendEvent(Box(name), &press);
    }
  }
  void PasteInto(const char* name, const char* text) {
    QApplication::clipboard()->setText(QString::fromUtf8(text));
    Box(name)->setFocus();
    Box(name)->selectAll();
    QTest::keySequence(Box(name), QKeySequence::Paste);
  }
  void LeaveTheBox() { Control(QString::fromUtf8("按钮1"))->setFocus(); }
};

TEST_F(QtIntegerEditTest, TypingTakesOnlyDigitsAndTheMinusSignAndNoInputMethod) {
  TypeInto("编辑框1", "1a2 -.分３");
  QTest::keyClick(Box("编辑框1"), Qt::Key_Backspace);
  TypeInto("编辑框1", "9");
  EXPECT_EQ(Box("编辑框1")->text(), "129");
  TypeInto("编辑框2", "123");
  EXPECT_EQ(Box("编辑框2")->text(), "12");  // the third character is refused
  EXPECT_FALSE(Box("编辑框1")->testAttribute(Qt::WA_InputMethodEnabled));
  EXPECT_FALSE(Box("编辑框2")->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(QtIntegerEditTest, ABoxShowsItsNumberInNormalFormOnceItLosesTheFocus) {
  const std::pair<const char*, const char*> cases[] = {
      {"-", ""},
      {"007", "7"},
      {"0", ""},
      {"5-3", "5"},
      {"99999999999", "2147483647"},
      {"-99999999999", "-2147483648"},
  };
  for (const auto& [typed, shown] : cases) {
    Box("编辑框1")->clear();
    TypeInto("编辑框1", typed);
    EXPECT_EQ(Box("编辑框1")->text(), typed);
    LeaveTheBox();
    EXPECT_EQ(Box("编辑框1")->text(), shown) << typed;
  }
}

TEST_F(QtIntegerEditTest, PastesAreNotFilteredButKeepTheLimit) {
  PasteInto("编辑框1", "30秒");
  EXPECT_EQ(Box("编辑框1")->text(), QString::fromUtf8("30秒"));
  LeaveTheBox();
  EXPECT_EQ(Box("编辑框1")->text(), "30");
  PasteInto("编辑框1", "３０");
  LeaveTheBox();
  EXPECT_EQ(Box("编辑框1")->text(), "");  // full-width digits are not read here
  PasteInto("编辑框2", "1234");
  EXPECT_EQ(Box("编辑框2")->text(), "12");
}

TEST_F(QtIntegerEditTest, ProgramWritesAreNeitherCutNorFilteredNorNormalized) {
  WriteProperty(window, "\xB1\xE0\xBC\xAD\xBF\xF2\x32", TextProperty::Content, "-10");  // 编辑框2
  EXPECT_EQ(Box("编辑框2")->text(), "-10");
}

TEST_F(QtIntegerEditTest, NormalizingPutsTheCaretWhereTheSelectionBegan) {
  PasteInto("编辑框1", "12分");
  Box("编辑框1")->setSelection(1, 2);
  LeaveTheBox();
  EXPECT_EQ(Box("编辑框1")->text(), "12");
  EXPECT_EQ(Box("编辑框1")->cursorPosition(), 1);
}

TEST_F(QtIntegerEditTest, AClickOnTheButtonNormalizesTheBoxBeforeTheHandlerReadsIt) {
  TypeInto("编辑框1", "007");
  QTest::mouseClick(Control(QString::fromUtf8("按钮1")), Qt::LeftButton);
  EXPECT_EQ(Box("编辑框1")->text(), "7");
  EXPECT_EQ(ReadProperty(window, "\xCA\xB1\xD6\xD3\x31", IntegerProperty::Period),  // 时钟1
            7 * 60000);
}

TEST_F(QtIntegerEditTest, TheLineSitsInTheMiddleAndTheBandsPlaceNoCaret) {
  auto* box = static_cast<IntegerEdit*>(Box("编辑框1"));
  const QRect line = box->TextLine();
  EXPECT_EQ(line.height(), box->fontMetrics().height());
  EXPECT_EQ(line.top(), (box->height() - line.height()) / 2);
  ASSERT_GT(line.top(), 0) << "the face fills the box, leaving no band to test";
  TypeInto("编辑框1", "1234");
  box->setCursorPosition(4);
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(2, line.top() - 1));  // the band above
  EXPECT_EQ(box->cursorPosition(), 4);
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(2, line.center().y()));
  EXPECT_EQ(box->cursorPosition(), 0);
}

}  // namespace
}  // namespace kestrune::qt
