// The native program's benchmark baseline: the least a Qt Widgets program with a window does.
// It opens one empty window of Kestrune's client size and runs the event loop until closed.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Baseline"));
  window.setFixedSize(354, 191);
  window.show();
  return QApplication::exec();
}
