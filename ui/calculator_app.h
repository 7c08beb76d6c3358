// One run of the desktop program: the stores, the seven windows (created in
// the order main, result, settings, history, constant library, new constant,
// help) and the message boxes they show.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "storage/store_folder.h"
#include "storage/store_session.h"

class QWidget;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;

class CalculatorApp : public QObject {
  Q_OBJECT

 public:
  // The stores live in the given folder; the program passes
  // zuvo::DefaultStoreFolder().
  explicit CalculatorApp(zuvo::StoreFolder folder);
  ~CalculatorApp() override;

  zuvo::StoreSession& stores() { return stores_; }

  TForm1* Form1() const { return form1_.get(); }
  TForm2* Form2() const { return form2_.get(); }
  TForm3* Form3() const { return form3_.get(); }
  TForm4* Form4() const { return form4_.get(); }
  TForm5* Form5() const { return form5_.get(); }
  TForm6* Form6() const { return form6_.get(); }
  TForm7* Form7() const { return form7_.get(); }

  // A modal message box with one text over the given window.
  void ShowMessage(QWidget* parent, const QString& text);

  // Shows a failed save once: the first failure after a success gets a
  // message box, later ones stay quiet until a save succeeds again. The data
  // in memory is kept either way. Deferred to the event loop unless `now`.
  void ReportSaveProblems(QWidget* parent, bool now = false);

  // Writes the seven settings to the settings file now, so that a crash later
  // in the run loses nothing (the close writes them again).
  zuvo::SaveResult SaveSettingsNow();

  // True once the main window has closed and the stores are released.
  bool closed() const { return closed_; }
  void MarkClosed() { closed_ = true; }

  // Replaces the message box by a function (for tests and tools that must
  // not block); an empty function restores the box.
  static void SetMessageHook(std::function<void(const QString&)> hook);

  // The save problem wording shown to the user.
  static QString SaveProblemText(const std::string& detail);

 signals:
  // The main window has closed: the program ends.
  void Finished();

 private:
  void ShowPendingProblem(QWidget* parent);

  zuvo::StoreSession stores_;
  bool closed_ = false;
  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<TForm2> form2_;
  std::unique_ptr<TForm3> form3_;
  std::unique_ptr<TForm4> form4_;
  std::unique_ptr<TForm5> form5_;
  std::unique_ptr<TForm6> form6_;
  std::unique_ptr<TForm7> form7_;
};

// The application-wide look shared by all windows.
QString SharedStyleSheet();
