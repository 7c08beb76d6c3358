// The history window: rows newest first, choosing, going back, deleting and
// clearing, with the list always rebuilt into its true state.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "storage/history_store.h"
#include "tests/ui/ui_test_support.h"
#include "ui/Unit1.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"

namespace {

const QString kChooseHint = QStringLiteral("请点击列表中的历史回溯节点以查看节点内容！");
const QString kNoNodesText = QStringLiteral("没有可用历史回溯节点，所以无法查看节点内容！");
const QString kNoNodesRow = QStringLiteral("无任何历史回溯节点可用！");

// History on with snapshots whose serials are 5, 6 and 7 (four earlier
// nodes were deleted), then the history window opened from the settings.
TForm4* OpenWithSerials5To7(UiCase& c) {
  zuvo::StoreSession& stores = c.app().stores();
  stores.SetHistoryCacheEnable(true);
  for (const char16_t* text : {u"a", u"b", u"c", u"d", u"5+5", u"6+6", u"7+7"}) stores.InputChanged(text);
  for (int i = 0; i < 4; ++i) stores.DeleteHistoryNode(1);
  Click(c.app().Form1()->Button3);
  Click(c.app().Form3()->Button2);
  return c.app().Form4();
}

}  // namespace

class HistoryWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void ListsNodesNewestFirstWithButtonsOff() {
    UiCase c;
    TForm4* form = OpenWithSerials5To7(c);
    QVERIFY(form->isVisible());
    QCOMPARE(Rows(form->ListBox1), (QStringList{QStringLiteral("第7个历史回溯节点"), QStringLiteral("第6个历史回溯节点"),
                                                 QStringLiteral("第5个历史回溯节点")}));
    QCOMPARE(form->Memo1->toPlainText(), kChooseHint);
    QVERIFY(!form->Button2->isEnabled());
    QVERIFY(!form->Button3->isEnabled());
    QVERIFY(form->Button4->isEnabled());
    ClickRow(form->ListBox1, 1);
    QCOMPARE(form->Memo1->toPlainText(), QStringLiteral("6+6"));
    QVERIFY(form->Button2->isEnabled());
    QVERIFY(form->Button3->isEnabled());
  }

  void DeletingTheMiddleRowKeepsTheOthersTrue() {
    UiCase c;
    TForm4* form = OpenWithSerials5To7(c);
    ClickRow(form->ListBox1, 1);
    Click(form->Button3);
    QCOMPARE(Rows(form->ListBox1),
             (QStringList{QStringLiteral("第7个历史回溯节点"), QStringLiteral("第5个历史回溯节点")}));
    QCOMPARE(zuvo::LoadHistory(c.HistoryPath()).Count(), std::size_t{2});
    // No row is chosen after the deletion: the buttons act on nothing.
    QVERIFY(!form->Button2->isEnabled());
    QVERIFY(!form->Button3->isEnabled());
    ClickRow(form->ListBox1, 0);
    QCOMPARE(form->Memo1->toPlainText(), QStringLiteral("7+7"));
    ClickRow(form->ListBox1, 1);
    QCOMPARE(form->Memo1->toPlainText(), QStringLiteral("5+5"));
  }

  void DeletingTheOnlyNodeShowsTheEmptyState() {
    UiCase c;
    c.app().stores().SetHistoryCacheEnable(true);
    c.app().stores().InputChanged(u"1+1");
    Click(c.app().Form1()->Button3);
    Click(c.app().Form3()->Button2);
    TForm4* form = c.app().Form4();
    ClickRow(form->ListBox1, 0);
    Click(form->Button3);
    QCOMPARE(Rows(form->ListBox1), QStringList{kNoNodesRow});
    QVERIFY(!form->ListBox1->isEnabled());
    QVERIFY(!form->Button4->isEnabled());
    QCOMPARE(form->Memo1->toPlainText(), kNoNodesText);
  }

  void ClearingRebuildsTheListAtOnce() {
    UiCase c;
    TForm4* form = OpenWithSerials5To7(c);
    ClickRow(form->ListBox1, 0);
    Click(form->Button4);
    QCOMPARE(c.app().stores().history().Count(), std::size_t{0});
    QCOMPARE(zuvo::LoadHistory(c.HistoryPath()).Count(), std::size_t{0});
    QCOMPARE(Rows(form->ListBox1), QStringList{kNoNodesRow});
    QVERIFY(!form->ListBox1->isEnabled());
    QVERIFY(!form->Button2->isEnabled());
    QVERIFY(!form->Button3->isEnabled());
    QVERIFY(!form->Button4->isEnabled());
    QCOMPARE(form->Memo1->toPlainText(), kNoNodesText);
    // The serial goes on counting after a clear.
    c.app().stores().InputChanged(u"new");
    form->hide();
    ShowWindow(form);
    QCOMPARE(Rows(form->ListBox1), QStringList{QStringLiteral("第8个历史回溯节点")});
  }

  void GoingBackReplacesTheInputAndReturnsToTheMainWindow() {
    UiCase c;
    TForm4* form = OpenWithSerials5To7(c);
    c.app().Form1()->Memo1->setPlainText(QStringLiteral("first\nsecond"));
    ClickRow(form->ListBox1, 2);
    Click(form->Button2);
    QCOMPARE(c.app().Form1()->Memo1->toPlainText(), QStringLiteral("5+5"));
    QVERIFY(!form->isVisible());
    QVERIFY(!c.app().Form3()->isVisible());
    QVERIFY(c.app().Form1()->isVisible());
  }

  void ExitButtonAndEscapeHide() {
    UiCase c;
    TForm4* form = OpenWithSerials5To7(c);
    Click(form->Button1);
    QVERIFY(!form->isVisible());
    ShowWindow(form);
    QVERIFY(Activate(form));
    QTest::keyClick(form->ListBox1, Qt::Key_Escape);
    QVERIFY(!form->isVisible());
  }
};

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
