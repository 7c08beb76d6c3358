// The result window: the listing of the last calculation, read-only but
// selectable and copyable.
#pragma once

#include "ui/window_base.h"

class QPlainTextEdit;
class QPushButton;

class TForm2 : public ZuvoWindow {
  Q_OBJECT

 public:
  explicit TForm2(CalculatorApp& app);

  QPlainTextEdit* Memo1;
  QPushButton* Button1;

 public slots:
  void FormCreate();
  void Button1Click();
};
