// A fresh calculator per test case: a temporary home folder (so the data
// folder is <home>/Documents/ZuvoCalculatorExt), the message boxes recorded
// instead of shown, and helpers that act as a user would.
#pragma once

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>

#include "ui/calculator_app.h"


class UiCase {
 public:
  UiCase();
  ~UiCase();

  CalculatorApp& app() { return *app_; }
  // Messages the windows showed, in order.
  QStringList messages;

  // Closes the main window as the exit button does and starts the program
  // again on the same home folder.
  void Restart();
  // Closes the main window (the program's end).
  void Close();

  std::filesystem::path DataFolder() const;
  std::filesystem::path SettingsPath() const;
  std::filesystem::path HistoryPath() const;
  std::filesystem::path ConstantsPath() const;

 private:
  void Launch();

  QTemporaryDir home_;
  std::unique_ptr<CalculatorApp> app_;
};

// A left click in the middle of a button (or at the box of a check box).
void Click(QAbstractButton* button);
void Click(QCheckBox* box);
// Types the text as a user does: Latin characters as key presses, other
// characters (Chinese, π, …) as an input method commits them.
void TypeText(QWidget* widget, const QString& text);
// A click on the row of a list, as a user chooses it.
void ClickRow(QListWidget* list, int row);
QStringList Rows(const QListWidget* list);

// Types the text into the main window's input box, calculates with the
// calculate button and waits for the result window; gives its text.
QString CalculateText(CalculatorApp& app, const QString& input);
// Waits until the running calculation has ended.
bool WaitForCalculation(CalculatorApp& app, int timeout_ms = 20000);
// Shows a window as the program does and lets it settle.
void ShowWindow(QWidget* window);
// Makes the window the active one, as it is when the user types into it.
bool Activate(QWidget* window);
