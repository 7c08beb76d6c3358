// The history window: the snapshots of the input, newest first, with going
// back to one, deleting one and clearing all.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ui/window_base.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class TForm4 : public ZuvoWindow {
  Q_OBJECT

 public:
  explicit TForm4(CalculatorApp& app);

  QLabel* Label1;
  QListWidget* ListBox1;
  QLabel* Label2;
  QPlainTextEdit* Memo1;
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;
  QPushButton* Button1;

 public slots:
  void FormCreate();
  void ListBox1Click();
  void ListBox1DblClick();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();

 protected:
  void FormShow() override;

 private:
  // Fills the list from the store: one row per node, newest first, or the
  // one-row empty state.
  void Rebuild();
  // The store position of the node the selected row names, 0 when no row is
  // selected or its node is gone. Rows carry their node's serial, so a row
  // can only ever reach the node it names.
  std::size_t SelectedPosition() const;
};
