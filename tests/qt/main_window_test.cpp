// The main window on the Qt platform: size, the ten controls against the layout the program
// must have (written out here, not taken from its template), fonts, colours and keys.
#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "runtime/qt/appearance_qt.h"
#include "runtime/qt/label_qt.h"
#include "tests/qt/main_window_fixture.h"

namespace kestrune::qt {
namespace {

struct ExpectedControl {
  const char* name;  // UTF-8
  QRect rect;
  bool shown;
  bool tabStop;
  const char* text;
};
// Topmost first; timers have no widget.
const ExpectedControl kLayout[] = {
    {"图形按钮1", {298, 137, 50, 50}, true, false, ""},
    {"标签4",
     {8, 108, 328, 24},
     true,
     false,
     "提示：启动关机程序之前，请注意保存正在操作的其它任务。"},
    {"标签3", {290, 41, 64, 56}, true, false, "秒"},
    {"编辑框2", {203, 41, 80, 56}, true, true, ""},
    {"标签2", {140, 41, 64, 56}, true, false, "分"},
    {"按钮1", {105, 142, 120, 40}, true, true, "启动程序"},
    {"编辑框1", {10, 41, 124, 56}, true, true, ""},
    {"标签1", {10, 7, 152, 29}, true, false, "设置关机时间"},
};

QString TextOf(QWidget* widget) {
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  if (auto* button = qobject_cast<QPushButton*>(widget)) return button->text();
  if (auto* label = dynamic_cast<Label*>(widget)) return label->Caption();
  return {};
}

TEST_F(QtMainWindowTest, AFixedWindowWithTheWindowsProgramsClientAreaAndCaption) {
  QWidget* main = platform.MainWindow();
  EXPECT_TRUE(main->isVisible());
  EXPECT_EQ(main->size(), QSize(354, 191));
  EXPECT_EQ(main->minimumSize(), main->maximumSize());  // not resizable
  EXPECT_FALSE(main->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(main->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(main->windowTitle(), QString::fromUtf8("Kestrune （QQ:100200300）"));
  EXPECT_FALSE(main->windowIcon().isNull());
  EXPECT_EQ(main->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
}

TEST_F(QtMainWindowTest, ControlsInTheirPlacesAndStackingOrder) {
  const QObjectList children = platform.MainWindow()->children();
  QList<QWidget*> stacked;  // bottom first, as Qt keeps them
  for (QObject* child : children) {
    if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow()) {
      stacked.append(widget);
    }
  }
  ASSERT_EQ(stacked.size(), 8);
  for (std::size_t i = 0; i < std::size(kLayout); ++i) {
    const ExpectedControl& expected = kLayout[i];
    SCOPED_TRACE(expected.name);
    QWidget* control = Control(QString::fromUtf8(expected.name));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(stacked.at(stacked.size() - 1 - static_cast<qsizetype>(i)), control);
    EXPECT_EQ(control->geometry(), expected.rect);
    EXPECT_EQ(control->isVisible(), expected.shown);
    EXPECT_TRUE(control->isEnabled());
    EXPECT_EQ(control->focusPolicy() == Qt::StrongFocus, expected.tabStop);
    EXPECT_EQ(TextOf(control), QString::fromUtf8(expected.text));
  }
}

TEST_F(QtMainWindowTest, FontsByEmHeightAndWeight) {
  struct Expected {
    const char* control;
    int pixels;
    int weight;
  };
  const Expected fonts[] = {{"编辑框1", 48, 400}, {"编辑框2", 48, 400}, {"标签1", 21, 700},
                            {"标签2", 56, 700},   {"标签3", 56, 700},   {"按钮1", 19, 700}};
  const QStringList faces = {QString::fromUtf8("宋体"), "SimSun", "AR PL UMing CN",
                             "Noto Serif CJK SC", "WenQuanYi Zen Hei"};
  for (const Expected& expected : fonts) {
    SCOPED_TRACE(expected.control);
    const QFont font = Control(QString::fromUtf8(expected.control))->font();
    EXPECT_EQ(font.pixelSize(), expected.pixels);
    EXPECT_EQ(font.weight(), expected.weight);
    EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut());
    EXPECT_TRUE(faces.contains(QFontInfo(font).family())) << qPrintable(QFontInfo(font).family());
  }
  EXPECT_EQ(Control(QString::fromUtf8("标签4"))->font(), QApplication::font());
}

// What the program paints itself: labels on the button colour, the boxes' white.
TEST_F(QtMainWindowTest, LabelsOnTheButtonColourAndBoxesInWhite) {
  const QColor face = QApplication::palette().color(QPalette::Button);
  const QImage label = Control(QString::fromUtf8("标签1"))->grab().toImage();
  EXPECT_EQ(label.pixelColor(1, 1), face);
  EXPECT_EQ(label.pixelColor(label.width() - 2, label.height() - 2), face);
  const QImage box = Control(QString::fromUtf8("编辑框1"))->grab().toImage();
  EXPECT_EQ(box.pixelColor(box.width() / 2, 4), QColor(Qt::white));
  EXPECT_EQ(box.pixelColor(box.width() / 2, box.height() - 5), QColor(Qt::white));
}

TEST_F(QtMainWindowTest, TabAndShiftTabCycleTheThreeStops) {
  EXPECT_EQ(QApplication::focusWidget(), Control(QString::fromUtf8("编辑框1")));
  for (const char* next : {"按钮1", "编辑框2", "编辑框1"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Control(QString::fromUtf8(next))) << next;
  }
  for (const char* next : {"编辑框2", "按钮1", "编辑框1"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Control(QString::fromUtf8(next))) << next;
  }
}

TEST_F(QtMainWindowTest, EnterDoesNothingAtAnyStop) {
  auto* button = static_cast<QPushButton*>(Control(QString::fromUtf8("按钮1")));
  QSignalSpy clicks(button, &QPushButton::clicked);
  for (const char* stop : {"编辑框1", "按钮1", "编辑框2"}) {
    QWidget* control = Control(QString::fromUtf8(stop));
    control->setFocus();
    QTest::keyClick(control, Qt::Key_Return);
    QTest::keyClick(control, Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), control) << stop;
  }
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_EQ(button->text(), QString::fromUtf8("启动程序"));
}

TEST_F(QtMainWindowTest, EscClosesButNotWithShiftOrCtrl) {
  QWidget* box = Control(QString::fromUtf8("编辑框2"));
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Escape, Qt::ShiftModifier);
  QTest::keyClick(box, Qt::Key_Escape, Qt::ControlModifier);
  EXPECT_TRUE(platform.MainWindow()->isVisible());
  QTest::keyClick(box, Qt::Key_Escape);
  EXPECT_FALSE(platform.MainWindow()->isVisible());
}

}  // namespace
}  // namespace kestrune::qt
