#include "ui/Unit3.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include "ui/Unit4.h"
#include "ui/Unit5.h"
#include "ui/calculator_app.h"

namespace {

constexpr int kRadixOfItem[] = {2, 8, 10, 16};

int ItemOfRadix(int radix) {
  for (int i = 0; i < 4; ++i)
    if (kRadixOfItem[i] == radix) return i;
  return -1;
}

void ShowWindow(QWidget* w) {
  w->show();
  w->raise();
  w->activateWindow();
}

}  // namespace

TForm3::TForm3(CalculatorApp& app) : ZuvoWindow(app, QStringLiteral("计算器的全局设置")) {
  setObjectName(QStringLiteral("Form3"));
  Label1 = new QLabel(QStringLiteral("计算器输出结果的进制："), this);
  Label1->setGeometry(8, 0, 344, 33);
  ComboBox1 = new QComboBox(this);
  ComboBox1->setGeometry(8, 33, 344, 24);
  CheckBox1 = new QCheckBox(QStringLiteral("启用自动小数点显示位数"), this);
  CheckBox1->setGeometry(8, 65, 344, 25);
  Label2 = new QLabel(this);
  Label2->setGeometry(8, 98, 344, 23);
  TrackBar1 = new QSlider(Qt::Horizontal, this);
  TrackBar1->setGeometry(8, 129, 344, 19);
  TrackBar1->setRange(0, 20);
  TrackBar1->setSingleStep(1);
  TrackBar1->setPageStep(1);
  TrackBar1->setValue(10);
  CheckBox2 = new QCheckBox(QStringLiteral("开启历史回溯"), this);
  CheckBox2->setGeometry(8, 155, 185, 49);
  Button2 = new QPushButton(QStringLiteral("回溯历史"), this);
  Button2->setGeometry(193, 156, 159, 49);
  CheckBox5 = new QCheckBox(QStringLiteral("开启自动历史回溯"), this);
  CheckBox5->setGeometry(8, 212, 345, 41);
  CheckBox3 = new QCheckBox(QStringLiteral("开启常数设置"), this);
  CheckBox3->setGeometry(8, 261, 185, 48);
  Button3 = new QPushButton(QStringLiteral("设置常数"), this);
  Button3->setGeometry(193, 261, 159, 48);
  CheckBox4 = new QCheckBox(QStringLiteral("开启计算式结果继承设置"), this);
  CheckBox4->setGeometry(8, 312, 344, 56);
  Button1 = new QPushButton(QStringLiteral("退出计算器的全局设置"), this);
  Button1->setGeometry(7, 535, 345, 57);

  Label1->setObjectName(QStringLiteral("Label1"));
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  Label2->setObjectName(QStringLiteral("Label2"));
  TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
  CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
  Button2->setObjectName(QStringLiteral("Button2"));
  CheckBox5->setObjectName(QStringLiteral("CheckBox5"));
  CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
  Button3->setObjectName(QStringLiteral("Button3"));
  CheckBox4->setObjectName(QStringLiteral("CheckBox4"));
  Button1->setObjectName(QStringLiteral("Button1"));

  setTabOrder(Button1, ComboBox1);
  setTabOrder(ComboBox1, CheckBox1);
  setTabOrder(CheckBox1, TrackBar1);
  setTabOrder(TrackBar1, CheckBox2);
  setTabOrder(CheckBox2, Button2);
  setTabOrder(Button2, CheckBox3);
  setTabOrder(CheckBox3, Button3);
  setTabOrder(Button3, CheckBox4);
  setTabOrder(CheckBox4, CheckBox5);

  FormCreate();

  connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm3::ComboBox1Change);
  connect(CheckBox1, &QCheckBox::toggled, this, &TForm3::CheckBox1Change);
  connect(TrackBar1, &QSlider::valueChanged, this, &TForm3::TrackBar1Change);
  connect(CheckBox2, &QCheckBox::toggled, this, &TForm3::CheckBox2Change);
  connect(CheckBox3, &QCheckBox::toggled, this, &TForm3::CheckBox3Change);
  connect(CheckBox4, &QCheckBox::toggled, this, &TForm3::CheckBox4Change);
  connect(CheckBox5, &QCheckBox::toggled, this, &TForm3::CheckBox5Change);
  connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm3::Button3Click);
  HideOnEscape();
}

void TForm3::FormCreate() {
  ComboBox1->addItems({QStringLiteral("二进制"), QStringLiteral("八进制"), QStringLiteral("十进制"),
                       QStringLiteral("十六进制")});
  ComboBox1->setCurrentIndex(ItemOfRadix(app_.stores().settings().number_system));
}

void TForm3::FormShow() {
  const zuvo::Settings& s = app_.stores().settings();
  // The controls are brought in line with the settings; their change
  // handlers have nothing to do, since the settings already hold these
  // values.
  const QSignalBlocker b0(ComboBox1), b1(CheckBox1), b2(CheckBox2), b3(CheckBox3), b4(CheckBox4),
      b5(CheckBox5), b6(TrackBar1);
  if (const int item = ItemOfRadix(s.number_system); item >= 0) ComboBox1->setCurrentIndex(item);
  CheckBox1->setChecked(s.auto_size_enable);
  CheckBox2->setChecked(s.history_cache_enable);
  CheckBox5->setChecked(s.history_recall);
  CheckBox3->setChecked(s.constant_library_enable);
  CheckBox4->setChecked(s.answer_inherit);
  TrackBar1->setValue(s.decimal_number);
  ShowDecimalNumber();
  TrackBar1->setEnabled(!s.auto_size_enable);
  FollowHistorySwitch();
  Button3->setEnabled(s.constant_library_enable);
}

void TForm3::ShowDecimalNumber() {
  Label2->setText(QStringLiteral("计算器最大显示小数位数：") +
                  QString::number(app_.stores().settings().decimal_number));
}

void TForm3::FollowHistorySwitch() {
  const bool on = app_.stores().settings().history_cache_enable;
  Button2->setEnabled(on);
  if (on) {
    CheckBox5->setEnabled(true);
    return;
  }
  app_.stores().SetHistoryRecall(false);
  const QSignalBlocker quiet(CheckBox5);
  CheckBox5->setChecked(false);
  CheckBox5->setEnabled(false);
}

void TForm3::ComboBox1Change() {
  const int item = ComboBox1->currentIndex();
  if (item < 0 || item > 3) return;
  app_.stores().settings().number_system = static_cast<std::uint8_t>(kRadixOfItem[item]);
}

void TForm3::CheckBox1Change() {
  app_.stores().settings().auto_size_enable = CheckBox1->isChecked();
  TrackBar1->setEnabled(!CheckBox1->isChecked());
}

void TForm3::TrackBar1Change() {
  app_.stores().settings().decimal_number = static_cast<std::uint8_t>(TrackBar1->value());
  ShowDecimalNumber();
}

void TForm3::CheckBox2Change() {
  app_.stores().SetHistoryCacheEnable(CheckBox2->isChecked());
  FollowHistorySwitch();
  app_.ReportSaveProblems(this);
}

void TForm3::CheckBox3Change() {
  app_.stores().SetConstantLibraryEnable(CheckBox3->isChecked());
  Button3->setEnabled(app_.stores().settings().constant_library_enable);
  app_.ReportSaveProblems(this);
}

void TForm3::CheckBox4Change() { app_.stores().settings().answer_inherit = CheckBox4->isChecked(); }

void TForm3::CheckBox5Change() {
  app_.stores().SetHistoryRecall(CheckBox5->isChecked());
  // Recall cannot be on without history.
  if (CheckBox5->isChecked() != app_.stores().settings().history_recall) {
    const QSignalBlocker quiet(CheckBox5);
    CheckBox5->setChecked(app_.stores().settings().history_recall);
  }
}

void TForm3::Button1Click() { hide(); }

void TForm3::Button2Click() { ShowWindow(app_.Form4()); }

void TForm3::Button3Click() { ShowWindow(app_.Form5()); }

void TForm3::hideEvent(QHideEvent* event) {
  ZuvoWindow::hideEvent(event);
  if (event->spontaneous() || app_.closed()) return;
  app_.SaveSettingsNow();
  app_.ReportSaveProblems(this);
}
