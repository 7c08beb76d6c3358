// The main window: the input box, the calculate button and the way to the
// settings and the help. Its creation loads the stores and its close writes
// them back.
#pragma once

#include <QTimer>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "ui/window_base.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QThread;

class TForm1 : public ZuvoWindow {
  Q_OBJECT

 public:
  static constexpr int kMaxInputChars = 1048576;
  // How long the user must pause typing before the input counts as changed.
  static constexpr int kTypingPauseMs = 1000;

  explicit TForm1(CalculatorApp& app);
  ~TForm1() override;

  QLabel* Label1;
  QPlainTextEdit* Memo1;
  QPushButton* Button1;
  QPushButton* Button3;
  QPushButton* Button4;
  QPushButton* Button2;

  // Replaces the whole input text, as the history window's go-back does.
  void SetInputText(const QString& text);

  bool IsCalculating() const { return worker_ != nullptr; }
  // Asks a running calculation to stop and waits until its thread is done.
  void StopCalculationAndWait();

  // The typing pause (tests shorten it).
  void SetTypingPause(int ms) { typing_pause_.setInterval(ms); }

 public slots:
  void FormCreate();
  void FormClose();
  void Memo1Change();
  // Calculates all input lines off the user-interface thread; while a
  // calculation runs, the same button stops it.
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();

 signals:
  // A calculation has ended and the result window shows its listing.
  void CalculationFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnInputEdited();
  // Issues the pending change notification, if any (pause, leaving the box,
  // calculating or closing).
  void FlushInputChange();
  void CalculationDone();

  QTimer typing_pause_;
  bool change_pending_ = false;
  QThread* worker_ = nullptr;
  std::shared_ptr<std::atomic<bool>> stop_;
  std::shared_ptr<std::vector<std::u16string>> listing_;
};
