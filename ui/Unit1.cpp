#include "ui/Unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QThread>

#include "engine/calculate.h"
#include "engine/errors.h"
#include "engine/stop.h"
#include "storage/history_store.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"
#include "ui/Unit6.h"
#include "ui/Unit7.h"
#include "ui/calculator_app.h"

namespace {

const QString kCalculateCaption = QStringLiteral("进行计算式的计算");
const QString kWorkingCaption = QStringLiteral("正在计算……（点击停止计算）");
const QString kStoppingCaption = QStringLiteral("正在停止计算……");

QString FromU16(const std::u16string& text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string ToU16(const QString& text) { return text.toStdU16String(); }

}  // namespace

TForm1::TForm1(CalculatorApp& app) : ZuvoWindow(app, QStringLiteral("Zuvo计算器")) {
  setObjectName(QStringLiteral("Form1"));
  Label1 = new QLabel(QStringLiteral("请输入计算式（注意：函数名为中文）"), this);
  Label1->setGeometry(8, 0, 344, 41);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(8, 40, 344, 274);
  Button1 = new QPushButton(kCalculateCaption, this);
  Button1->setGeometry(7, 322, 345, 63);
  Button3 = new QPushButton(QStringLiteral("计算器的全局设置"), this);
  Button3->setGeometry(8, 393, 344, 63);
  Button4 = new QPushButton(QStringLiteral("计算器帮助手册"), this);
  Button4->setGeometry(8, 464, 344, 63);
  Button2 = new QPushButton(QStringLiteral("退出本计算器"), this);
  Button2->setGeometry(7, 535, 345, 57);
  Label1->setObjectName(QStringLiteral("Label1"));
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Button1->setObjectName(QStringLiteral("Button1"));
  Button3->setObjectName(QStringLiteral("Button3"));
  Button4->setObjectName(QStringLiteral("Button4"));
  Button2->setObjectName(QStringLiteral("Button2"));
  setTabOrder(Memo1, Button1);
  setTabOrder(Button1, Button3);
  setTabOrder(Button3, Button2);
  setTabOrder(Button2, Button4);

  typing_pause_.setSingleShot(true);
  typing_pause_.setInterval(kTypingPauseMs);
  connect(&typing_pause_, &QTimer::timeout, this, &TForm1::FlushInputChange);
  connect(Memo1, &QPlainTextEdit::textChanged, this, &TForm1::OnInputEdited);
  Memo1->installEventFilter(this);

  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
  // Ctrl+Return (either Return key) calculates from anywhere in the window.
  for (QKeySequence keys : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &TForm1::Button1Click);
  }
  FormCreate();
}

TForm1::~TForm1() { StopCalculationAndWait(); }

void TForm1::FormCreate() {
  zuvo::ClearErrors();
  // The shared look is held here and used by every window.
  if (qApp != nullptr) qApp->setStyleSheet(SharedStyleSheet());
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  std::optional<std::u16string> recalled = app_.stores().Start();
  if (recalled) {
    const QSignalBlocker quiet(Memo1);
    Memo1->setPlainText(FromU16(*recalled));
  }
  app_.ReportSaveProblems(this);
}

void TForm1::OnInputEdited() {
  LimitPlainTextLength(Memo1, kMaxInputChars);
  change_pending_ = true;
  typing_pause_.start();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Memo1 && event->type() == QEvent::FocusOut) FlushInputChange();
  return ZuvoWindow::eventFilter(watched, event);
}

void TForm1::FlushInputChange() {
  typing_pause_.stop();
  if (!change_pending_) return;
  change_pending_ = false;
  Memo1Change();
}

void TForm1::Memo1Change() {
  zuvo::StoreSession& stores = app_.stores();
  if (app_.closed() || !stores.settings().history_cache_enable) return;
  const std::u16string text = ToU16(Memo1->toPlainText());
  // A text equal to the newest snapshot (for instance after typing and
  // undoing) is no new state.
  if (text == zuvo::HistoryNodeText(stores.history(), stores.history().Count())) return;
  stores.InputChanged(text);
  app_.ReportSaveProblems(this);
}

void TForm1::SetInputText(const QString& text) { Memo1->setPlainText(text); }

void TForm1::Button1Click() {
  if (worker_ != nullptr) {
    stop_->store(true);
    Button1->setText(kStoppingCaption);
    return;
  }
  FlushInputChange();
  zuvo::ClearErrors();
  const QString input = Memo1->toPlainText();
  if (input.isEmpty()) {
    app_.ShowMessage(this, FromU16(std::u16string(zuvo::kEmptyInputMessage)));
    return;
  }
  const zuvo::Settings& settings = app_.stores().settings();
  zuvo::CalculateOptions options;
  options.radix = settings.number_system;
  options.decimals = settings.decimal_number;
  options.automatic = settings.auto_size_enable;
  options.inherit = settings.answer_inherit;
  options.constants = app_.stores().ActiveConstants();

  app_.Form2()->Memo1->clear();
  stop_ = std::make_shared<std::atomic<bool>>(false);
  listing_ = std::make_shared<std::vector<std::u16string>>();
  // The worker owns copies of everything it reads; the error list and the
  // stop flag are per thread, so the evaluation shares nothing with the
  // windows.
  worker_ = QThread::create([text = ToU16(input), options = std::move(options), stop = stop_, out = listing_] {
    zuvo::SetStopFlag(stop.get());
    *out = zuvo::CalculateAll(text, options);
    zuvo::SetStopFlag(nullptr);
    zuvo::ClearErrors();
  });
  connect(worker_, &QThread::finished, this, &TForm1::CalculationDone);
  Button1->setText(kWorkingCaption);
  Button1->setProperty("working", true);
  Button1->style()->unpolish(Button1);
  Button1->style()->polish(Button1);
  worker_->start();
}

void TForm1::CalculationDone() {
  QThread* done = worker_;
  worker_ = nullptr;
  if (done != nullptr) {
    done->wait();
    done->deleteLater();
  }
  Button1->setText(kCalculateCaption);
  Button1->setProperty("working", false);
  Button1->style()->unpolish(Button1);
  Button1->style()->polish(Button1);
  if (app_.closed()) return;
  QStringList lines;
  for (const std::u16string& line : *listing_) lines << FromU16(line);
  listing_.reset();
  TForm2* results = app_.Form2();
  results->Memo1->setPlainText(lines.join(QLatin1Char('\n')));
  results->show();
  results->raise();
  results->activateWindow();
  emit CalculationFinished();
}

void TForm1::StopCalculationAndWait() {
  if (worker_ == nullptr) return;
  stop_->store(true);
  worker_->wait();
  // The finished notification is queued; handle it now so the button and
  // the thread object are in order.
  disconnect(worker_, nullptr, this, nullptr);
  QThread* done = worker_;
  worker_ = nullptr;
  delete done;
  Button1->setText(kCalculateCaption);
  Button1->setProperty("working", false);
  listing_.reset();
}

void TForm1::Button2Click() { close(); }

void TForm1::Button3Click() {
  app_.Form3()->show();
  app_.Form3()->raise();
  app_.Form3()->activateWindow();
}

void TForm1::Button4Click() {
  app_.Form7()->show();
  app_.Form7()->raise();
  app_.Form7()->activateWindow();
}

void TForm1::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
  emit app_.Finished();
}

void TForm1::FormClose() {
  if (app_.closed()) return;
  StopCalculationAndWait();
  FlushInputChange();
  app_.stores().Close();
  app_.MarkClosed();
  app_.ReportSaveProblems(this, /*now=*/true);
  zuvo::ClearErrors();
  // Closing the main window ends the program: no other window stays.
  for (QWidget* w : {static_cast<QWidget*>(app_.Form2()), static_cast<QWidget*>(app_.Form3()),
                     static_cast<QWidget*>(app_.Form4()), static_cast<QWidget*>(app_.Form5()),
                     static_cast<QWidget*>(app_.Form6()), static_cast<QWidget*>(app_.Form7())})
    if (w != nullptr) w->hide();
}
