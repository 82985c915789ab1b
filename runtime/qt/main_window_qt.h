// The main window: a fixed client area in the button colour, the application icon, centred on
// the screen; Esc without Shift, Ctrl or Alt closes it as its close button does.
#pragma once

#include <QWidget>

namespace kestrune::qt {

class MainWindow final : public QWidget {
 public:
  MainWindow(const QString& caption, int clientWidth, int clientHeight);

  // Shows the window, activated, its frame centred on the primary screen as the Windows
  // program's 360 x 220 frame is.
  void ShowCentred();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kestrune::qt
