#include "tests/ui/ui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include "storage/store_folder.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

UiCase::UiCase() {
  qputenv("HOME", home_.path().toLocal8Bit());
  qunsetenv("XDG_CONFIG_HOME");
  CalculatorApp::SetMessageHook([this](const QString& text) { messages << text; });
  Launch();
}

UiCase::~UiCase() {
  app_.reset();
  CalculatorApp::SetMessageHook({});
}

void UiCase::Launch() {
  app_ = std::make_unique<CalculatorApp>(zuvo::DefaultStoreFolder());
  ShowWindow(app_->Form1());
}

void UiCase::Close() {
  if (app_) app_->Form1()->close();
  QApplication::processEvents();
}

void UiCase::Restart() {
  Close();
  app_.reset();
  Launch();
}

std::filesystem::path UiCase::DataFolder() const {
  return std::filesystem::path(home_.path().toStdString()) / "Documents" / "ZuvoCalculatorExt";
}
std::filesystem::path UiCase::SettingsPath() const { return DataFolder() / "Settings.mqs"; }
std::filesystem::path UiCase::HistoryPath() const { return DataFolder() / "History.mqh"; }
std::filesystem::path UiCase::ConstantsPath() const { return DataFolder() / "Constants.mqc"; }

void TypeText(QWidget* widget, const QString& text) {
  qsizetype i = 0;
  while (i < text.size()) {
    qsizetype j = i;
    if (text[i] == QLatin1Char('\n')) {
      QTest::keyClick(widget, Qt::Key_Return);
      ++i;
      continue;
    }
    const bool latin = text[i].unicode() < 0x80;
    while (j < text.size() && text[j] != QLatin1Char('\n') && (text[j].unicode() < 0x80) == latin) ++j;
    const QString run = text.mid(i, j - i);
    if (latin) {
      QTest::keyClicks(widget, run);
    } else {
      QInputMethodEvent commit;
      commit.setCommitString(run);
      QApplication::sendEvent(widget, &commit);
    }
    i = j;
  }
}

void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

void Click(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); }

void ClickRow(QListWidget* list, int row) {
  QListWidgetItem* item = list->item(row);
  list->scrollToItem(item);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

QStringList Rows(const QListWidget* list) {
  QStringList rows;
  for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
  return rows;
}

bool WaitForCalculation(CalculatorApp& app, int timeout_ms) {
  return QTest::qWaitFor([&] { return !app.Form1()->IsCalculating(); }, timeout_ms);
}

QString CalculateText(CalculatorApp& app, const QString& input) {
  TForm1* form = app.Form1();
  form->Memo1->setFocus();
  form->Memo1->selectAll();
  QTest::keyClick(form->Memo1, Qt::Key_Delete);
  for (const QString& line : input.split(QLatin1Char('\n'))) {
    if (form->Memo1->document()->characterCount() > 1) QTest::keyClick(form->Memo1, Qt::Key_Return);
    TypeText(form->Memo1, line);
  }
  QSignalSpy finished(form, &TForm1::CalculationFinished);
  Click(form->Button1);
  if (!finished.wait(20000)) return QStringLiteral("<no result>");
  return app.Form2()->Memo1->toPlainText();
}

void ShowWindow(QWidget* window) {
  window->show();
  QApplication::processEvents();
}

bool Activate(QWidget* window) {
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}
