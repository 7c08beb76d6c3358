// Whole flows as a user goes through them, across restarts of the program.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "tests/ui/ui_test_support.h"
#include "ui/Unit1.h"
#include "ui/Unit3.h"
#include "ui/Unit5.h"
#include "ui/Unit6.h"
#include "ui/Unit7.h"

class FlowsTest : public QObject {
  Q_OBJECT

 private slots:
  void ThreeLinesWithInheritance() {
    UiCase c;
    Click(c.app().Form1()->Button3);
    Click(c.app().Form3()->CheckBox4);
    Click(c.app().Form3()->Button1);
    QCOMPARE(CalculateText(c.app(), QStringLiteral("1+1\n结果0*3\n结果1+结果0")),
             QStringLiteral("算式1正确，计算结果为：2\n算式2正确，计算结果为：6\n算式3正确，计算结果为：8"));
  }

  void WithoutInheritanceResultNamesFail() {
    UiCase c;
    const QString listing = CalculateText(c.app(), QStringLiteral("1+1\n结果0*3"));
    QVERIFY(listing.startsWith(QStringLiteral("算式1正确，计算结果为：2\n算式2错误，错误如下：\n错误1为:")));
  }

  void HistoryRecallAcrossARestart() {
    UiCase c;
    Click(c.app().Form1()->Button3);
    Click(c.app().Form3()->CheckBox2);
    Click(c.app().Form3()->CheckBox5);
    Click(c.app().Form3()->Button1);
    c.app().Form1()->SetTypingPause(50);
    c.app().Form1()->Memo1->setFocus();
    TypeText(c.app().Form1()->Memo1, QStringLiteral("正弦(0)+1"));
    QTest::keyClick(c.app().Form1()->Memo1, Qt::Key_Return);
    TypeText(c.app().Form1()->Memo1, QStringLiteral("2*3"));
    c.Restart();
    QCOMPARE(c.app().Form1()->Memo1->toPlainText(), QStringLiteral("正弦(0)+1\n2*3"));
    // The recalled text is not recorded again.
    c.app().Form1()->SetTypingPause(50);
    QTest::qWait(200);
    QCOMPARE(c.app().stores().history().Count(), std::size_t{1});
  }

  void ConstantFromTheNewConstantWindowIsUsedAndKept() {
    UiCase c;
    Click(c.app().Form1()->Button3);
    Click(c.app().Form3()->CheckBox3);
    Click(c.app().Form3()->Button3);
    Click(c.app().Form5()->Button3);
    TForm6* form = c.app().Form6();
    TypeText(form->Edit1, QStringLiteral("半径"));
    TypeText(form->Memo1, QStringLiteral("1+2"));
    Click(form->Button1);
    QVERIFY(c.messages.isEmpty());
    QCOMPARE(CalculateText(c.app(), QStringLiteral("半径*2\n(半径)^2")),
             QStringLiteral("算式1正确，计算结果为：6\n算式2正确，计算结果为：9"));
    c.Restart();
    QCOMPARE(CalculateText(c.app(), QStringLiteral("半径*10")), QStringLiteral("算式1正确，计算结果为：30"));
    Click(c.app().Form1()->Button3);
    Click(c.app().Form3()->Button3);
    QCOMPARE(Rows(c.app().Form5()->ListBox1), QStringList{QStringLiteral("半径")});
  }

  void HelpSearchFromTheMainWindow() {
    UiCase c;
    Click(c.app().Form1()->Button4);
    TForm7* help = c.app().Form7();
    TypeText(help->Edit1, QStringLiteral("分布"));
    QTest::keyClick(help->Edit1, Qt::Key_Return);
    QCOMPARE(help->ListBox1->count(), 9);
    ClickRow(help->ListBox1, 0);
    QVERIFY(help->Memo1->toPlainText().startsWith(QStringLiteral("两点分布(概率/x,概率)")));
    help->Edit1->clear();
    TypeText(help->Edit1, QStringLiteral("正弦"));
    QTest::keyClick(help->Edit1, Qt::Key_Return);
    QCOMPARE(help->ListBox1->count(), 4);
  }
};

QTEST_MAIN(FlowsTest)
#include "flows_test.moc"
