// The help window: the catalogue of the language's data types, number
// prefixes, constants, operators and functions, with a search of the titles.
#pragma once

#include <QStringList>

#include "ui/window_base.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class TForm7 : public ZuvoWindow {
  Q_OBJECT

 public:
  explicit TForm7(CalculatorApp& app);
  ~TForm7() override;

  QLineEdit* Edit1;
  QPushButton* Button2;
  QLabel* Label1;
  QListWidget* ListBox1;
  QLabel* Label2;
  QPlainTextEdit* Memo1;
  QPushButton* Button1;

  bool Searching() const { return searching_; }

 public slots:
  void FormCreate();
  void FormDestroy();
  void Edit1Change();
  void Button2Click();
  void ListBox1Click();
  void ListBox1DblClick();
  void Button1Click();

 protected:
  void FormShow() override;

 private:
  void ShowAllTitles();

  QStringList help_titles_;
  QStringList help_texts_;
  QStringList found_titles_;
  QStringList found_texts_;
  bool searching_ = false;
};
