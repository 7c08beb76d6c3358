// The settings window: every control changes its setting at once, the
// dependencies between the controls, the history and constant files, and
// the settings file written whenever the window is left.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <filesystem>

#include "storage/settings_store.h"
#include "tests/ui/ui_test_support.h"
#include "ui/Unit1.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"

namespace fs = std::filesystem;

namespace {

TForm3* OpenSettings(UiCase& c) {
  Click(c.app().Form1()->Button3);
  return c.app().Form3();
}

zuvo::Settings SavedSettings(const UiCase& c) { return zuvo::SettingsFromStore(zuvo::LoadSettings(c.SettingsPath())); }

}  // namespace

class SettingsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTheSettingsInMemory() {
    UiCase c;
    TForm3* form = OpenSettings(c);
    QVERIFY(form->isVisible());
    QCOMPARE(form->ComboBox1->count(), 4);
    QCOMPARE(form->ComboBox1->currentText(), QStringLiteral("十进制"));
    QCOMPARE(form->Label2->text(), QStringLiteral("计算器最大显示小数位数：10"));
    QCOMPARE(form->TrackBar1->value(), 10);
    QVERIFY(form->TrackBar1->isEnabled());
    QVERIFY(!form->Button2->isEnabled());
    QVERIFY(!form->CheckBox5->isEnabled());
    QVERIFY(!form->Button3->isEnabled());
  }

  void RadixItemsSetTheRadix_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("radix");
    QTest::addColumn<QString>("listing");
    QTest::newRow("二进制") << 0 << 2 << QStringLiteral("算式1正确，计算结果为：B1010");
    QTest::newRow("八进制") << 1 << 8 << QStringLiteral("算式1正确，计算结果为：O12");
    QTest::newRow("十六进制") << 3 << 16 << QStringLiteral("算式1正确，计算结果为：HA");
  }
  void RadixItemsSetTheRadix() {
    QFETCH(int, item);
    QFETCH(int, radix);
    QFETCH(QString, listing);
    UiCase c;
    TForm3* form = OpenSettings(c);
    form->ComboBox1->setFocus();
    form->ComboBox1->setCurrentIndex(item);
    QCOMPARE(int(c.app().stores().settings().number_system), radix);
    // The next calculation uses it without reopening anything.
    QCOMPARE(CalculateText(c.app(), QStringLiteral("5+5")), listing);
  }

  void AutomaticDecimalsDisableTheSlider() {
    UiCase c;
    TForm3* form = OpenSettings(c);
    Click(form->CheckBox1);
    QVERIFY(c.app().stores().settings().auto_size_enable);
    QVERIFY(!form->TrackBar1->isEnabled());
    QCOMPARE(form->TrackBar1->value(), 10);
    Click(form->CheckBox1);
    QVERIFY(!c.app().stores().settings().auto_size_enable);
    QVERIFY(form->TrackBar1->isEnabled());
  }

  void SliderSetsTheDecimals() {
    UiCase c;
    TForm3* form = OpenSettings(c);
    QTest::keyClick(form->TrackBar1, Qt::Key_Home);
    QCOMPARE(form->Label2->text(), QStringLiteral("计算器最大显示小数位数：0"));
    QCOMPARE(int(c.app().stores().settings().decimal_number), 0);
    QTest::keyClick(form->TrackBar1, Qt::Key_End);
    QCOMPARE(form->Label2->text(), QStringLiteral("计算器最大显示小数位数：20"));
    QCOMPARE(int(c.app().stores().settings().decimal_number), 20);
    QTest::keyClick(form->TrackBar1, Qt::Key_Left);
    QCOMPARE(int(c.app().stores().settings().decimal_number), 19);
  }

  void HistorySwitchOwnsTheHistoryFileAndRecall() {
    UiCase c;
    TForm3* form = OpenSettings(c);
    Click(form->CheckBox2);
    QVERIFY(c.app().stores().settings().history_cache_enable);
    QVERIFY(fs::exists(c.HistoryPath()));
    QVERIFY(form->Button2->isEnabled());
    QVERIFY(form->CheckBox5->isEnabled());
    Click(form->CheckBox5);
    QVERIFY(c.app().stores().settings().history_recall);

    Click(form->CheckBox2);
    QVERIFY(!c.app().stores().settings().history_cache_enable);
    QVERIFY(!fs::exists(c.HistoryPath()));
    QVERIFY(!form->Button2->isEnabled());
    QVERIFY(!form->CheckBox5->isEnabled());
    QVERIFY(!form->CheckBox5->isChecked());
    QVERIFY(!c.app().stores().settings().history_recall);
  }

  void ConstantSwitchOwnsTheConstantFile() {
    UiCase c;
    TForm3* form = OpenSettings(c);
    Click(form->CheckBox3);
    QVERIFY(fs::exists(c.ConstantsPath()));
    QVERIFY(form->Button3->isEnabled());
    Click(form->Button3);
    QVERIFY(c.app().Form5()->isVisible());
    Click(form->CheckBox3);
    QVERIFY(!fs::exists(c.ConstantsPath()));
    QVERIFY(!form->Button3->isEnabled());
  }

  void InheritanceSwitch() {
    UiCase c;
    TForm3* form = OpenSettings(c);
    Click(form->CheckBox4);
    QVERIFY(c.app().stores().settings().answer_inherit);
    QCOMPARE(CalculateText(c.app(), QStringLiteral("3\n结果0*2")),
             QStringLiteral("算式1正确，计算结果为：3\n算式2正确，计算结果为：6"));
  }

  // Leaving the window writes the settings file; the program need not close.
  void LeavingTheWindowSavesTheSettings() {
    UiCase c;
    TForm3* form = OpenSettings(c);
    form->ComboBox1->setCurrentIndex(3);
    QTest::keyClick(form->TrackBar1, Qt::Key_Home);
    QCOMPARE(int(SavedSettings(c).number_system), 10);
    Click(form->Button1);
    QVERIFY(!form->isVisible());
    QCOMPARE(int(SavedSettings(c).number_system), 16);
    QCOMPARE(int(SavedSettings(c).decimal_number), 0);

    // Escape leaves the window as well.
    form = OpenSettings(c);
    Click(form->CheckBox4);
    QVERIFY(Activate(form));
    QTest::keyClick(form, Qt::Key_Escape);
    QVERIFY(!form->isVisible());
    QVERIFY(SavedSettings(c).answer_inherit);
  }

  void SettingsComeBackAfterARestart() {
    UiCase c;
    TForm3* form = OpenSettings(c);
    form->ComboBox1->setCurrentIndex(3);
    QTest::keyClick(form->TrackBar1, Qt::Key_Home);
    for (int i = 0; i < 5; ++i) QTest::keyClick(form->TrackBar1, Qt::Key_Right);
    Click(form->CheckBox3);
    c.Restart();
    form = OpenSettings(c);
    QCOMPARE(form->ComboBox1->currentText(), QStringLiteral("十六进制"));
    QCOMPARE(form->TrackBar1->value(), 5);
    QCOMPARE(form->Label2->text(), QStringLiteral("计算器最大显示小数位数：5"));
    QVERIFY(form->CheckBox3->isChecked());
    QVERIFY(form->Button3->isEnabled());
  }
};

QTEST_MAIN(SettingsWindowTest)
#include "settings_window_test.moc"
