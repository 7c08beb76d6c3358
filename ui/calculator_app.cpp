#include "ui/calculator_app.h"

#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <system_error>

#include "storage/settings_store.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"
#include "ui/Unit6.h"
#include "ui/Unit7.h"

namespace {

std::function<void(const QString&)>& MessageHook() {
  static std::function<void(const QString&)> hook;
  return hook;
}

}  // namespace

QString SharedStyleSheet() {
  QFile file(QStringLiteral(":/zuvo/zuvo.qss"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

CalculatorApp::CalculatorApp(zuvo::StoreFolder folder) : stores_(std::move(folder)) {
  // Each window's constructor runs its create handler; the main window's
  // loads the stores, which the later windows read.
  form1_ = std::make_unique<TForm1>(*this);
  form2_ = std::make_unique<TForm2>(*this);
  form3_ = std::make_unique<TForm3>(*this);
  form4_ = std::make_unique<TForm4>(*this);
  form5_ = std::make_unique<TForm5>(*this);
  form6_ = std::make_unique<TForm6>(*this);
  form7_ = std::make_unique<TForm7>(*this);
}

CalculatorApp::~CalculatorApp() {
  // A calculation still running must end before the windows go.
  if (form1_) form1_->StopCalculationAndWait();
  form7_.reset();
  form6_.reset();
  form5_.reset();
  form4_.reset();
  form3_.reset();
  form2_.reset();
  form1_.reset();
}

void CalculatorApp::SetMessageHook(std::function<void(const QString&)> hook) { MessageHook() = std::move(hook); }

void CalculatorApp::ShowMessage(QWidget* parent, const QString& text) {
  if (MessageHook()) {
    MessageHook()(text);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Zuvo计算器"), text, QMessageBox::Ok, parent);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

QString CalculatorApp::SaveProblemText(const std::string& detail) {
  return QStringLiteral("无法保存计算器的数据文件，本次的更改仍保留在计算器中。"
                        "请检查文档文件夹中的ZuvoCalculatorExt文件夹是否可以写入，以及磁盘是否还有空间。\n\n"
                        "详细信息：") +
         QString::fromStdString(detail);
}

void CalculatorApp::ShowPendingProblem(QWidget* parent) {
  std::optional<std::string> problem = stores_.TakeSaveProblem();
  if (problem) ShowMessage(parent, SaveProblemText(*problem));
}

void CalculatorApp::ReportSaveProblems(QWidget* parent, bool now) {
  if (now) {
    ShowPendingProblem(parent);
    return;
  }
  // A message box must not open inside a focus or change notification; the
  // event loop shows it right after.
  QPointer<QWidget> guard(parent);
  QTimer::singleShot(0, this, [this, guard] { ShowPendingProblem(guard.data()); });
}

zuvo::SaveResult CalculatorApp::SaveSettingsNow() {
  if (closed_) return zuvo::SaveResult::Ok();
  return stores_.SaveSettingsNow();
}
