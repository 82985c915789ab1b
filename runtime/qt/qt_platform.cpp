// The Qt platform: building the window, texts, timers, the error box and the end.
#include "runtime/qt/qt_platform.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdlib>

#include "runtime/qt/appearance_qt.h"
#include "runtime/qt/gbk_qt.h"
#include "runtime/qt/integer_edit_qt.h"
#include "runtime/qt/label_qt.h"
#include "runtime/qt/main_window_qt.h"
#include "runtime/qt/picture_button_qt.h"

namespace kestrune::qt {

QtPlatform::QtPlatform() {
  // A timer's expiry waits until nothing else does, as on Windows, where a due timer is
  // delivered only when no other message waits.
  delivery_ =
      QObject::connect(QAbstractEventDispatcher::instance(),
                       &QAbstractEventDispatcher::aboutToBlock, [this] { DeliverTimers(); });
}

QtPlatform::~QtPlatform() {
  QObject::disconnect(delivery_);
  Release();
}

void QtPlatform::Release() {
  timers_.clear();
  delete main_.data();
}

bool QtPlatform::CreateMainWindow(const WindowTemplate& window, EventSink& sink) {
  template_ = &window;
  sink_ = &sink;
  main_ = new qt::MainWindow(FromGbk(window.caption), kClientWidth, kClientHeight);
  controls_.assign(window.controls.size(), nullptr);
  for (std::size_t i = window.controls.size(); i-- > 0;) {
    controls_[i] = CreateControl(static_cast<int>(i), window.controls[i]);
  }
  // The stacking order of the table, topmost first; the tab order from the bottom up.
  QWidget* previousStop = nullptr;
  for (std::size_t i = window.controls.size(); i-- > 0;) {
    if (!controls_[i]) continue;
    controls_[i]->raise();
    if (window.controls[i].tabStop) {
      if (previousStop) QWidget::setTabOrder(previousStop, controls_[i]);
      previousStop = controls_[i];
    }
  }
  return true;
}

QWidget* QtPlatform::CreateControl(int index, const ControlTemplate& control) {
  QWidget* widget = nullptr;
  const QString text = FromGbk(control.text ? control.text : "");
  switch (control.type) {
    case UnitType::Timer:
      return nullptr;
    case UnitType::Label: {
      auto* label = new Label(main_, ColorOf(control.textColor), ColorOf(control.backColor));
      label->SetCaption(text);
      widget = label;
      break;
    }
    case UnitType::Button: {
      auto* button = new QPushButton(text, main_);
      button->setAutoDefault(false);
      QObject::connect(button, &QPushButton::clicked, [this, index] { sink_->OnClicked(index); });
      widget = button;
      break;
    }
    case UnitType::EditBox: {
      auto* edit = new IntegerEdit(main_, control.maxLength);
      edit->setText(text);
      QPalette colours = edit->palette();
      colours.setColor(QPalette::Text, ColorOf(control.textColor));
      colours.setColor(QPalette::Base, ColorOf(control.backColor));
      edit->setPalette(colours);
      QObject::connect(edit, &QLineEdit::textChanged,
                       [this, index] { sink_->OnEditChanged(index); });
      widget = edit;
      break;
    }
    case UnitType::PicBtn:
      widget = new PictureButton(main_, control.picture, control.mouseOverPicture,
                                 [this, index] { sink_->OnClicked(index); });
      break;
  }
  widget->setGeometry(control.rect.left, control.rect.top, control.rect.width, control.rect.height);
  if (control.type != UnitType::PicBtn) widget->setFont(FontOf(control.font));
  widget->setFocusPolicy(control.tabStop ? Qt::StrongFocus : Qt::NoFocus);
  widget->setVisible(control.visible);
  return widget;
}

void QtPlatform::HandlePendingMessages() { QCoreApplication::processEvents(); }

void QtPlatform::ShowMainWindow() {
  static_cast<qt::MainWindow*>(main_.data())->ShowCentred();
  for (QWidget* control : controls_) {
    if (control && control->focusPolicy() == Qt::StrongFocus) {
      control->setFocus();  // the first tab stop from the bottom of the stacking order
    }
  }
}

int QtPlatform::RunMessageLoop() {
  if (!main_) return 0;
  return QApplication::exec();
}

std::string QtPlatform::ControlText(int control) {
  QWidget* widget = controls_.at(control);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return ToGbk(edit->text());
  if (auto* button = qobject_cast<QPushButton*>(widget)) return ToGbk(button->text());
  if (auto* label = dynamic_cast<Label*>(widget)) return ToGbk(label->Caption());
  return {};
}

void QtPlatform::SetControlText(int control, std::string_view text) {
  QWidget* widget = controls_.at(control);
  const QString shown = FromGbk(text);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setText(shown);
  if (auto* button = qobject_cast<QPushButton*>(widget)) button->setText(shown);
  if (auto* label = dynamic_cast<Label*>(widget)) label->SetCaption(shown);
}

void QtPlatform::StartTimer(int control, int32_t periodMs) {
  std::unique_ptr<BootTimer>& timer = timers_[control];
  if (!timer) timer = std::make_unique<BootTimer>();
  timer->Start(periodMs);
}

void QtPlatform::StopTimer(int control) {
  if (auto found = timers_.find(control); found != timers_.end()) found->second->Stop();
}

// One expiry of each timer that fell due, now that no other event waits. A closed window's
// timers went with it, as on Windows: nothing reaches a handler once the window has closed.
void QtPlatform::DeliverTimers() {
  if (delivering_ || !sink_ || !main_ || !main_->isVisible()) return;
  delivering_ = true;
  for (auto& [control, timer] : timers_) {
    if (timer->TakeExpiry()) sink_->OnTimer(control);
  }
  delivering_ = false;
}

void QtPlatform::ShowErrorBox(std::string_view caption, std::string_view text) {
  QMessageBox box(QMessageBox::Critical, FromGbk(caption), FromGbk(text), QMessageBox::Ok);
  box.exec();
}

void QtPlatform::EndProcess(int exitCode) {
  Release();
  std::exit(exitCode);
}

}  // namespace kestrune::qt
