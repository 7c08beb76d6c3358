// The new-constant window: a name and a content, admitted by the library's
// checks. The window is dragged by its confirm button.
#pragma once

#include <QPoint>

#include "ui/window_base.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TForm6 : public ZuvoWindow {
  Q_OBJECT

 public:
  explicit TForm6(CalculatorApp& app);

  QLabel* Label1;
  QLineEdit* Edit1;
  QLabel* Label2;
  QPlainTextEdit* Memo1;
  QPushButton* Button1;
  QPushButton* Button2;

 public slots:
  void FormCreate();
  void Button1Click();
  void Button2Click();

 public:
  // Pressing the confirm button and moving the mouse drags the window; a
  // press and release without moving stays a click that admits the
  // constant.
  void Button1MouseDown(QMouseEvent* event);
  void Button1MouseUp(QMouseEvent* event);

 protected:
  void FormShow() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The window itself has no drag handlers.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool button_pressed_ = false;
  bool button_dragging_ = false;
  QPoint press_global_;
};
