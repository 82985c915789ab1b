// The main window's frame, placement and keys.
#include "runtime/qt/main_window_qt.h"

#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>

#include "runtime/qt/appearance_qt.h"

namespace kestrune::qt {
namespace {

constexpr int kFrameWidth = 360;
constexpr int kFrameHeight = 220;

}  // namespace

MainWindow::MainWindow(const QString& caption, int clientWidth, int clientHeight)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint) {
  setWindowTitle(caption);
  setWindowIcon(QIcon(QStringLiteral(":/kestrune.ico")));
  setFixedSize(clientWidth, clientHeight);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ColorOf(kButtonFace));
  setPalette(colours);
  setAutoFillBackground(true);
  setAttribute(Qt::WA_DeleteOnClose, false);
}

void MainWindow::ShowCentred() {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  move(screen.x() + (screen.width() - kFrameWidth) / 2,
       screen.y() + (screen.height() - kFrameHeight) / 2);
  show();
  activateWindow();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace kestrune::qt
