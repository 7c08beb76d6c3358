// The settings window: the seven settings, changed in memory the moment a
// control changes, and the ways into the history and constant windows. The
// settings are written to their file whenever the window is left.
#pragma once

#include "ui/window_base.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

class TForm3 : public ZuvoWindow {
  Q_OBJECT

 public:
  explicit TForm3(CalculatorApp& app);

  QLabel* Label1;
  QComboBox* ComboBox1;
  QCheckBox* CheckBox1;
  QLabel* Label2;
  QSlider* TrackBar1;
  QCheckBox* CheckBox2;
  QPushButton* Button2;
  QCheckBox* CheckBox5;
  QCheckBox* CheckBox3;
  QPushButton* Button3;
  QCheckBox* CheckBox4;
  QPushButton* Button1;

 public slots:
  void FormCreate();
  void ComboBox1Change();
  void CheckBox1Change();
  void TrackBar1Change();
  void CheckBox2Change();
  void CheckBox3Change();
  void CheckBox4Change();
  void CheckBox5Change();
  void Button1Click();
  void Button2Click();
  void Button3Click();

 protected:
  void FormShow() override;
  void hideEvent(QHideEvent* event) override;

 private:
  void ShowDecimalNumber();
  // Recall is only offered while history is on.
  void FollowHistorySwitch();
};
