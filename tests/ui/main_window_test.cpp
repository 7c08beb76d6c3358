// The main window and the result window: start-up files, calculating off the
// user-interface thread, stopping, the empty-input message, keyboard use,
// the history notifications of the input box and the close.
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "engine/calculate.h"
#include "storage/history_store.h"
#include "storage/settings_store.h"
#include "tests/ui/ui_test_support.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

namespace fs = std::filesystem;

namespace {

QString EmptyInputMessage() { return QString::fromStdU16String(std::u16string(zuvo::kEmptyInputMessage)); }

void TypeInto(QPlainTextEdit* box, const QString& text) {
  box->setFocus();
  TypeText(box, text);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void FirstStartCreatesOnlyTheSettingsFile() {
    UiCase c;
    QVERIFY(fs::is_directory(c.DataFolder()));
    QVERIFY(fs::exists(c.SettingsPath()));
    QVERIFY(!fs::exists(c.HistoryPath()));
    QVERIFY(!fs::exists(c.ConstantsPath()));
    QCOMPARE(zuvo::SettingsFromStore(zuvo::LoadSettings(c.SettingsPath())), zuvo::Settings{});
    QCOMPARE(c.app().Form1()->windowTitle(), QStringLiteral("Zuvo计算器"));
    QCOMPARE(c.app().Form1()->size(), QSize(360, 600));
    QVERIFY(c.app().Form1()->windowFlags().testFlag(Qt::FramelessWindowHint));
  }

  void EmptyInputShowsTheMessageAndNothingElse() {
    UiCase c;
    Click(c.app().Form1()->Button1);
    QCOMPARE(c.messages, QStringList{EmptyInputMessage()});
    QVERIFY(!c.app().Form1()->IsCalculating());
    QVERIFY(!c.app().Form2()->isVisible());
  }

  void EmptyInputMessageIsAModalBox() {
    UiCase c;
    CalculatorApp::SetMessageHook({});
    QString seen;
    bool modal = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        seen = box->text();
        modal = box->isModal();
        box->accept();
      }
    });
    poll.start(20);
    Click(c.app().Form1()->Button1);
    QCOMPARE(seen, EmptyInputMessage());
    QVERIFY(modal);
  }

  void ListsEveryLineWithItsResultOrMessages() {
    UiCase c;
    const QString text = CalculateText(c.app(), QStringLiteral("1+1\n2/0\n\n3*4"));
    QCOMPARE(text, QStringLiteral("算式1正确，计算结果为：2\n"
                                  "算式2错误，错误如下：\n"
                                  "错误1为:除数不能为0，不然无法计算。\n"
                                  "算式3正确，计算结果为：\n"
                                  "算式4正确，计算结果为：12"));
    QVERIFY(c.app().Form2()->isVisible());
    // Calculating again while the result window is shown replaces its text.
    QCOMPARE(CalculateText(c.app(), QStringLiteral("5-7")), QStringLiteral("算式1正确，计算结果为：(-2)"));
    QVERIFY(c.app().Form2()->isVisible());
  }

  void ControlReturnCalculates() {
    UiCase c;
    TForm1* form = c.app().Form1();
    TypeInto(form->Memo1, QStringLiteral("6*7"));
    QSignalSpy finished(form, &TForm1::CalculationFinished);
    QTest::keyClick(form->Memo1, Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(finished.wait(20000));
    QCOMPARE(c.app().Form2()->Memo1->toPlainText(), QStringLiteral("算式1正确，计算结果为：42"));
    // The shortcut does not add a line to the input.
    QCOMPARE(form->Memo1->toPlainText(), QStringLiteral("6*7"));
  }

  void LongCalculationKeepsTheWindowResponsiveAndCanBeStopped() {
    UiCase c;
    TForm1* form = c.app().Form1();
    TypeInto(form->Memo1, QStringLiteral("累加(x,x,1,2000000000)\n1+1"));
    Click(form->Button1);
    QVERIFY(form->IsCalculating());
    QVERIFY(form->Button1->text() != QStringLiteral("进行计算式的计算"));
    // The event loop keeps running while the worker calculates.
    int ticks = 0;
    QTimer tick;
    connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(10);
    QTest::qWait(200);
    QVERIFY(ticks >= 5);
    QVERIFY(form->IsCalculating());
    // A second press stops instead of starting another calculation.
    QSignalSpy finished(form, &TForm1::CalculationFinished);
    Click(form->Button1);
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(form->Button1->text(), QStringLiteral("进行计算式的计算"));
    const QString listing = c.app().Form2()->Memo1->toPlainText();
    QVERIFY2(listing.startsWith(QStringLiteral("算式1错误，错误如下：")), qPrintable(listing));
    QVERIFY(listing.contains(QString::fromStdU16String(std::u16string(zuvo::kStoppedMessage))));
    // Lines after the stopped one are not evaluated.
    QVERIFY(!listing.contains(QStringLiteral("算式2")));
  }

  void ClosingDuringACalculationEndsIt() {
    UiCase c;
    TForm1* form = c.app().Form1();
    TypeInto(form->Memo1, QStringLiteral("累加(x,x,1,2000000000)"));
    Click(form->Button1);
    QVERIFY(form->IsCalculating());
    Click(form->Button2);
    QVERIFY(!form->IsCalculating());
    QVERIFY(c.app().closed());
  }

  void ResultTextIsReadOnlyButCanBeCopied() {
    UiCase c;
    CalculateText(c.app(), QStringLiteral("2^10"));
    QPlainTextEdit* box = c.app().Form2()->Memo1;
    QVERIFY(box->isReadOnly());
    box->setFocus();
    TypeText(box, QStringLiteral("abc"));
    QCOMPARE(box->toPlainText(), QStringLiteral("算式1正确，计算结果为：1024"));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("算式1正确，计算结果为：1024"));
  }

  void ResultWindowHidesByButtonAndEscape() {
    UiCase c;
    CalculateText(c.app(), QStringLiteral("1"));
    TForm2* results = c.app().Form2();
    QVERIFY(results->isVisible());
    Click(results->Button1);
    QVERIFY(!results->isVisible());
    CalculateText(c.app(), QStringLiteral("1"));
    QVERIFY(results->isVisible());
    QVERIFY(Activate(results));
    QTest::keyClick(results->Memo1, Qt::Key_Escape);
    QVERIFY(!results->isVisible());
  }

  // With history on, typing adds one node only once the user pauses.
  void TypingAddsOneNodeAfterAPause() {
    UiCase c;
    c.app().stores().SetHistoryCacheEnable(true);
    TForm1* form = c.app().Form1();
    form->SetTypingPause(150);
    TypeInto(form->Memo1, QStringLiteral("12+34"));
    QCOMPARE(c.app().stores().history().Count(), std::size_t{0});
    QTRY_COMPARE(c.app().stores().history().Count(), std::size_t{1});
    QCOMPARE(zuvo::HistoryNodeText(c.app().stores().history(), 1), u"12+34");
    QCOMPARE(zuvo::LoadHistory(c.HistoryPath()).Count(), std::size_t{1});
    // Typing and taking it back leaves the text as the newest node: no node.
    QTest::keyClick(form->Memo1, Qt::Key_5);
    QTest::keyClick(form->Memo1, Qt::Key_Backspace);
    QTest::qWait(400);
    QCOMPARE(c.app().stores().history().Count(), std::size_t{1});
  }

  void LeavingTheBoxCalculatingOrClosingIssuesTheNotificationAtOnce() {
    UiCase c;
    c.app().stores().SetHistoryCacheEnable(true);
    TForm1* form = c.app().Form1();
    form->SetTypingPause(60000);
    QApplication::setActiveWindow(form);
    TypeInto(form->Memo1, QStringLiteral("1+"));
    form->Button3->setFocus();  // leaving the box
    QCOMPARE(c.app().stores().history().Count(), std::size_t{1});

    TypeInto(form->Memo1, QStringLiteral("2"));
    QSignalSpy finished(form, &TForm1::CalculationFinished);
    form->Button1Click();
    QCOMPARE(c.app().stores().history().Count(), std::size_t{2});
    QVERIFY(finished.wait(20000));

    TypeInto(form->Memo1, QStringLiteral("+3"));
    c.Close();
    const zuvo::PairStore saved = zuvo::LoadHistory(c.HistoryPath());
    QCOMPARE(saved.Count(), std::size_t{3});
    QCOMPARE(zuvo::HistoryNodeText(saved, 3), u"1+2+3");
  }

  void HistoryOffRecordsNothing() {
    UiCase c;
    TForm1* form = c.app().Form1();
    form->SetTypingPause(50);
    TypeInto(form->Memo1, QStringLiteral("1+1"));
    QTest::qWait(200);
    QCOMPARE(c.app().stores().history().Count(), std::size_t{0});
    QVERIFY(!fs::exists(c.HistoryPath()));
  }

  void ExitButtonWritesSettingsAndHistoryEvenWithHistoryOff() {
    UiCase c;
    c.app().stores().settings().number_system = 16;
    c.app().stores().settings().decimal_number = 5;
    QSignalSpy finished(&c.app(), &CalculatorApp::Finished);
    Click(c.app().Form1()->Button2);
    QCOMPARE(finished.count(), 1);
    QVERIFY(fs::exists(c.HistoryPath()));
    const zuvo::Settings saved = zuvo::SettingsFromStore(zuvo::LoadSettings(c.SettingsPath()));
    QCOMPARE(int(saved.number_system), 16);
    QCOMPARE(int(saved.decimal_number), 5);
  }

  // A save that fails is shown once, not at every change, and the nodes stay
  // in memory.
  void FailedSaveIsShownOnce() {
    UiCase c;
    c.app().stores().SetHistoryCacheEnable(true);
    // A folder in the place of the history file makes every save fail.
    fs::remove(c.HistoryPath());
    fs::create_directories(c.HistoryPath() / "blocked");
    TForm1* form = c.app().Form1();
    form->SetTypingPause(50);
    TypeInto(form->Memo1, QStringLiteral("1"));
    QTRY_COMPARE(c.messages.size(), 1);
    QVERIFY(c.messages.front().contains(QStringLiteral("无法保存")));
    TypeInto(form->Memo1, QStringLiteral("2"));
    QTRY_COMPARE(c.app().stores().history().Count(), std::size_t{2});
    QTest::qWait(100);
    QCOMPARE(c.messages.size(), 1);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
