// The help window: the catalogue, choosing an entry, and the title search.
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "tests/ui/ui_test_support.h"
#include "ui/Unit1.h"
#include "ui/Unit7.h"
#include "engine/function_table.h"
#include "ui/help_catalogue.h"

namespace {

const QString kChooseHint = QStringLiteral("请点击搜索条目以显示搜索内容！");

TForm7* OpenHelp(UiCase& c) {
  Click(c.app().Form1()->Button4);
  return c.app().Form7();
}

void Search(TForm7* form, const QString& text) {
  form->Edit1->clear();
  TypeText(form->Edit1, text);
  Click(form->Button2);
}

QString Text(std::u16string_view s) { return QString::fromUtf16(s.data(), qsizetype(s.size())); }

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void ListsTheWholeCatalogue() {
    UiCase c;
    TForm7* form = OpenHelp(c);
    QVERIFY(form->isVisible());
    QCOMPARE(form->ListBox1->count(), 109);
    QCOMPARE(form->ListBox1->item(0)->text(), QStringLiteral("基本数据类型"));
    QCOMPARE(form->ListBox1->item(16)->text(), QStringLiteral("正弦(x/x1,x2)"));
    QCOMPARE(form->ListBox1->item(108)->text(), QStringLiteral("一元二次方程根(系数1,系数2,常数/{...})"));
    QCOMPARE(form->Memo1->toPlainText(), kChooseHint);
    QVERIFY(!form->Button2->isEnabled());
    ClickRow(form->ListBox1, 7);
    QCOMPARE(form->Memo1->toPlainText(),
             QStringLiteral("除号，用于数字对数字，向量对数字，矩阵对数字，数组对数字的相除，另外的组合无法相除，除数为0时无法相除。"));
  }

  // Entries 17 to 109 describe a call: each begins with its own call form.
  void FunctionDescriptionsBeginWithTheirCallForm() {
    const auto catalogue = HelpCatalogue();
    QCOMPARE(catalogue.size(), std::size_t{109});
    for (std::size_t i = 16; i < catalogue.size(); ++i)
      QVERIFY2(catalogue[i].text.starts_with(catalogue[i].title), qPrintable(Text(catalogue[i].title)));
  }

  // Every name the calculator recognises has an entry, so help and dispatch
  // cannot drift apart.
  void EveryFunctionNameHasAnEntry() {
    std::vector<std::u16string_view> names = {u"累加", u"积分", u"导数", u"函数值", u"函数差值",
                                               u"多维累加", u"多维积分", u"多维函数值", u"多维函数差值"};
    for (const zuvo::FunctionEntry& f : zuvo::FunctionTable()) names.push_back(f.name);
    for (std::u16string_view name : names) {
      bool found = false;
      for (const HelpEntry& e : HelpCatalogue())
        found = found || (e.title.starts_with(name) && e.title.size() > name.size() && e.title[name.size()] == u'(') ||
                e.text.find(std::u16string(name) + u"(") != std::u16string_view::npos;
      QVERIFY2(found, qPrintable(Text(name)));
    }
  }

  void SearchForSine() {
    UiCase c;
    TForm7* form = OpenHelp(c);
    Search(form, QStringLiteral("正弦"));
    QVERIFY(form->Searching());
    QCOMPARE(Rows(form->ListBox1), (QStringList{QStringLiteral("正弦(x/x1,x2)"), QStringLiteral("反正弦(x)"),
                                                 QStringLiteral("双曲正弦(x/x1,x2)"), QStringLiteral("反双曲正弦(x)")}));
    QCOMPARE(form->Memo1->toPlainText(), kChooseHint);
    ClickRow(form->ListBox1, 1);
    QCOMPARE(form->Memo1->toPlainText(), Text(HelpCatalogue()[38].text));
    QVERIFY(form->Memo1->toPlainText().startsWith(QStringLiteral("反正弦(x)")));
  }

  void SearchCounts_data() {
    QTest::addColumn<QString>("needle");
    QTest::addColumn<QList<int>>("entries");
    QTest::newRow("分布") << QStringLiteral("分布") << QList<int>{80, 81, 82, 83, 84, 85, 86, 99, 100};
    QTest::newRow("b") << QStringLiteral("b") << QList<int>{2};
    QTest::newRow("B") << QStringLiteral("B") << QList<int>{2};
    QTest::newRow("双曲余割") << QStringLiteral("双曲余割") << QList<int>{62, 95};
    QTest::newRow("多维积分") << QStringLiteral("多维积分") << QList<int>{89};
  }
  void SearchCounts() {
    QFETCH(QString, needle);
    QFETCH(QList<int>, entries);
    UiCase c;
    TForm7* form = OpenHelp(c);
    Search(form, needle);
    QStringList expected;
    for (int n : entries) expected << Text(HelpCatalogue()[std::size_t(n - 1)].title);
    QCOMPARE(Rows(form->ListBox1), expected);
  }

  void LowerCaseXFindsSixtySevenTitles() {
    UiCase c;
    TForm7* form = OpenHelp(c);
    Search(form, QStringLiteral("x"));
    QCOMPARE(form->ListBox1->count(), 67);
  }

  void SearchWithoutHits() {
    UiCase c;
    TForm7* form = OpenHelp(c);
    // 梯形 occurs only in descriptions, which are not searched; X in no title.
    for (const QString& needle : {QStringLiteral("梯形"), QStringLiteral("X")}) {
      Search(form, needle);
      QCOMPARE(Rows(form->ListBox1), QStringList{QStringLiteral("无任何搜索结果，请重新搜索")});
      QVERIFY(!form->ListBox1->isEnabled());
      QCOMPARE(form->Memo1->toPlainText(), QStringLiteral("无搜索结果，请重新搜索！"));
    }
    // Emptying the search box goes back to the whole catalogue.
    form->Edit1->clear();
    QVERIFY(!form->Button2->isEnabled());
    QVERIFY(!form->Searching());
    QCOMPARE(form->ListBox1->count(), 109);
    QVERIFY(form->ListBox1->isEnabled());
  }

  void ShowingAgainBrowsesButKeepsTheSearchText() {
    UiCase c;
    TForm7* form = OpenHelp(c);
    Search(form, QStringLiteral("分布"));
    ClickRow(form->ListBox1, 0);
    Click(form->Button1);
    QVERIFY(!form->isVisible());
    Click(c.app().Form1()->Button4);
    QCOMPARE(form->ListBox1->count(), 109);
    QCOMPARE(form->Edit1->text(), QStringLiteral("分布"));
    QCOMPARE(form->Memo1->toPlainText(), kChooseHint);
    ClickRow(form->ListBox1, 0);
    QCOMPARE(form->Memo1->toPlainText(), Text(HelpCatalogue()[0].text));
    QVERIFY(Activate(form));
    QTest::keyClick(form->ListBox1, Qt::Key_Escape);
    QVERIFY(!form->isVisible());
  }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
