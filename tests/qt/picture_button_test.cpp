// The picture button on the Qt platform: its states under synthesized mouse events, the pixels
// it paints, and its clicks.
#include <gtest/gtest.h>

#include <QTest>
#include <cstdlib>
#include <vector>

#include "resources/pictures.h"
#include "runtime/qt/picture_button_qt.h"

namespace kestrune::qt {
namespace {

const std::vector<unsigned char> kBroken(400, 0x5A);

bool Near(const QColor& colour, int r, int g, int b) {
  return std::abs(colour.red() - r) <= 40 && std::abs(colour.green() - g) <= 40 &&
         std::abs(colour.blue() - b) <= 40;
}

class QtPictureButtonTest : public ::testing::Test {
 protected:
  void Build(std::span<const unsigned char> normal, std::span<const unsigned char> mouseOver) {
    button.emplace(nullptr, normal, mouseOver, [this] { ++clicks; });
    button->resize(50, 50);
    button->show();
  }
  QColor Painted() { return button->grab().toImage().pixelColor(10, 10); }  // on the mark
  bool SkyBlue() { return Near(Painted(), 48, 144, 208); }
  bool Navy() { return Near(Painted(), 0, 0, 100); }
  void Move(QPoint at, Qt::MouseButtons held = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, at, button->mapToGlobal(at), Qt::NoButton, held, {});
    QCoreApplication::sendEvent(&*button, &move);
  }
  void Leave() {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&*button, &leave);
  }

  std::optional<PictureButton> button;
  int clicks = 0;
  const QPoint inside{25, 25};
  const QPoint outside{80, 25};
};

TEST_F(QtPictureButtonTest, HoverPressReleaseAndLeaveFollowTheStateTable) {
  Build(kNormalPictureJpeg, kMouseOverPictureJpeg);
  EXPECT_TRUE(SkyBlue());
  Move(inside);
  EXPECT_TRUE(Navy());
  QTest::mousePress(&*button, Qt::LeftButton, {}, inside);
  EXPECT_TRUE(SkyBlue());  // pressed shows the normal picture
  QTest::mouseRelease(&*button, Qt::LeftButton, {}, inside);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(SkyBlue());
  Move(inside);
  Leave();
  EXPECT_TRUE(SkyBlue());
  EXPECT_EQ(clicks, 1);
}

TEST_F(QtPictureButtonTest, AReleaseElsewhereRaisesNothingAndTheNextHoverShowsPictureB) {
  Build(kNormalPictureJpeg, kMouseOverPictureJpeg);
  QTest::mousePress(&*button, Qt::LeftButton, {}, inside);
  Move(outside, Qt::LeftButton);  // dragged off while held
  EXPECT_TRUE(SkyBlue());
  Move(inside, Qt::LeftButton);  // back over it, still held: pressed
  EXPECT_EQ(button->CurrentState(), PictureButton::State::Pressed);
  EXPECT_TRUE(SkyBlue());
  QTest::mouseRelease(&*button, Qt::LeftButton, {}, outside);
  EXPECT_EQ(clicks, 0);
  Move(inside);
  EXPECT_TRUE(Navy());
}

TEST_F(QtPictureButtonTest, PicturesThatCannotBeDecodedCountAsAbsent) {
  Build(kNormalPictureJpeg, kBroken);
  Move(inside);
  EXPECT_TRUE(SkyBlue());  // the normal picture instead
  Build(kBroken, kMouseOverPictureJpeg);
  EXPECT_EQ(Painted(), QColor(Qt::black));
  Move(inside);
  EXPECT_TRUE(Navy());
}

}  // namespace
}  // namespace kestrune::qt
