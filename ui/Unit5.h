// The constant library window: the constants by name, the content of the
// chosen one (editable), deleting one or all, and the way to a new constant.
#pragma once

#include <QString>

#include "ui/window_base.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class TForm5 : public ZuvoWindow {
  Q_OBJECT

 public:
  static constexpr int kMaxContentChars = 16384;

  explicit TForm5(CalculatorApp& app);

  QLabel* Label1;
  QListWidget* ListBox1;
  QLabel* Label2;
  QPlainTextEdit* Memo1;
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;
  QPushButton* Button1;

  // The list after the new-constant window added a constant: sorted, with
  // the hint in the text box and no row chosen.
  void ConstantAdded();

 public slots:
  void FormCreate();
  void ListBox1Click();
  void ListBox1DblClick();
  void Memo1Change();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();

 protected:
  void FormShow() override;

 private:
  // Fills the list from the library, constant 1 first, or the one-row empty
  // state; no row is chosen and the text box is read-only.
  void Rebuild();
  // The name the selected row shows, empty when no row is selected or the
  // library no longer holds that name.
  QString SelectedName() const;
  void SetContentBox(const QString& text, bool editable);
};
