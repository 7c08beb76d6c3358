// The constant library window and the new-constant window: the sorted list,
// editing a content, deleting, clearing, and admitting a new constant with
// the refusal messages.
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "storage/constant_library.h"
#include "tests/ui/ui_test_support.h"
#include "ui/Unit1.h"
#include "ui/Unit3.h"
#include "ui/Unit5.h"
#include "ui/Unit6.h"

namespace {

const QString kChooseHint = QStringLiteral("请点击常数列表以获取常数信息！");
const QString kEmptyRow = QStringLiteral("常数列表无常数，故无法显示！");
const QString kEmptyText = QStringLiteral("常数列表里面没有任何常数，故无法显示！");

TForm5* OpenLibrary(UiCase& c, std::initializer_list<std::pair<const char16_t*, const char16_t*>> constants) {
  zuvo::StoreSession& stores = c.app().stores();
  stores.SetConstantLibraryEnable(true);
  for (const auto& [name, content] : constants) stores.AddNewConstant(name, content);
  Click(c.app().Form1()->Button3);
  Click(c.app().Form3()->Button3);
  return c.app().Form5();
}

void TypeNewConstant(UiCase& c, const QString& name, const QString& content) {
  Click(c.app().Form5()->Button3);
  TForm6* form = c.app().Form6();
  TypeText(form->Edit1, name);
  form->Memo1->setFocus();
  TypeText(form->Memo1, content);
  Click(form->Button1);
}

}  // namespace

class ConstantWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void ListsNamesInLibraryOrder() {
    UiCase c;
    TForm5* form = OpenLibrary(c, {{u"Z", u"26"}, {u"xy", u"2"}, {u"xyz", u"3"}});
    QVERIFY(form->isVisible());
    QCOMPARE(Rows(form->ListBox1), (QStringList{"xyz", "xy", "Z"}));
    QCOMPARE(form->Memo1->toPlainText(), kChooseHint);
    QVERIFY(form->Memo1->isReadOnly());
    QVERIFY(!form->Button2->isEnabled());
    QVERIFY(form->Button4->isEnabled());
  }

  void ChoosingShowsTheContentAndEditingSavesIt() {
    UiCase c;
    TForm5* form = OpenLibrary(c, {{u"Z", u"26"}, {u"xy", u"2"}, {u"xyz", u"3"}});
    ClickRow(form->ListBox1, 1);
    QCOMPARE(form->Memo1->toPlainText(), QStringLiteral("2"));
    QVERIFY(!form->Memo1->isReadOnly());
    QVERIFY(form->Button2->isEnabled());
    form->Memo1->setFocus();
    QTest::keyClick(form->Memo1, Qt::Key_End);
    TypeText(form->Memo1, QStringLiteral("*5"));
    const zuvo::PairStore saved = zuvo::LoadConstants(c.ConstantsPath());
    QCOMPARE(zuvo::FindConstant(saved, u"xy"), std::size_t{2});
    QCOMPARE(zuvo::ConstantContent(saved, 2), u"2*5");
    QCOMPARE(Rows(form->ListBox1), (QStringList{"xyz", "xy", "Z"}));
  }

  void DeletingRebuildsTheList() {
    UiCase c;
    TForm5* form = OpenLibrary(c, {{u"x", u"1"}, {u"y", u"2"}});
    ClickRow(form->ListBox1, 0);
    Click(form->Button2);
    QCOMPARE(Rows(form->ListBox1), QStringList{"x"});
    QVERIFY(!form->Button2->isEnabled());
    QCOMPARE(form->Memo1->toPlainText(), kChooseHint);
    QCOMPARE(zuvo::LoadConstants(c.ConstantsPath()).Count(), std::size_t{1});
    // The remaining row still reaches its own constant.
    ClickRow(form->ListBox1, 0);
    QCOMPARE(form->Memo1->toPlainText(), QStringLiteral("1"));
    Click(form->Button2);
    QCOMPARE(Rows(form->ListBox1), QStringList{kEmptyRow});
    QVERIFY(!form->ListBox1->isEnabled());
    QCOMPARE(form->Memo1->toPlainText(), kEmptyText);
    QVERIFY(!form->Button4->isEnabled());
  }

  void ClearingShowsTheEmptyStateAtOnce() {
    UiCase c;
    TForm5* form = OpenLibrary(c, {{u"x", u"1"}, {u"y", u"2"}});
    ClickRow(form->ListBox1, 1);
    Click(form->Button4);
    QCOMPARE(Rows(form->ListBox1), QStringList{kEmptyRow});
    QVERIFY(!form->ListBox1->isEnabled());
    QVERIFY(!form->Button2->isEnabled());
    QVERIFY(!form->Button4->isEnabled());
    QCOMPARE(form->Memo1->toPlainText(), kEmptyText);
    QVERIFY(form->Memo1->isReadOnly());
    QCOMPARE(zuvo::LoadConstants(c.ConstantsPath()).Count(), std::size_t{0});
  }

  void RefusedNewConstants_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty name") << QStringLiteral("") << QStringLiteral("1") << QStringLiteral("新的常数名称和常数内容不能为空！");
    QTest::newRow("empty content") << QStringLiteral("k") << QStringLiteral("") << QStringLiteral("新的常数名称和常数内容不能为空！");
    QTest::newRow("taken") << QStringLiteral("xy") << QStringLiteral("1")
                           << QStringLiteral("新的常数名称不能与常数库中原有常数相同，请修改新的常数名称以继续！");
    QTest::newRow("hex letter") << QStringLiteral("e1") << QStringLiteral("1") << QStringLiteral("新的常数名称不合法，请修改新的常数名称以继续！");
    QTest::newRow("bracket") << QStringLiteral("k(") << QStringLiteral("1") << QStringLiteral("新的常数名称不合法，请修改新的常数名称以继续！");
    QTest::newRow("result prefix") << QStringLiteral("结果1") << QStringLiteral("1") << QStringLiteral("新的常数名称不能以结果作为开始的字符串！");
  }
  void RefusedNewConstants() {
    QFETCH(QString, name);
    QFETCH(QString, content);
    QFETCH(QString, message);
    UiCase c;
    TForm5* library = OpenLibrary(c, {{u"xy", u"2"}});
    TypeNewConstant(c, name, content);
    QCOMPARE(c.messages, QStringList{message});
    TForm6* form = c.app().Form6();
    QVERIFY(form->isVisible());
    QCOMPARE(form->Edit1->text(), name);
    QCOMPARE(form->Memo1->toPlainText(), content);
    QCOMPARE(Rows(library->ListBox1), QStringList{"xy"});
    QCOMPARE(zuvo::LoadConstants(c.ConstantsPath()).Count(), std::size_t{1});
  }

  void AddingShowsTheNameInItsSortedPlace() {
    UiCase c;
    TForm5* library = OpenLibrary(c, {{u"xyz", u"3"}, {u"Z", u"26"}});
    ClickRow(library->ListBox1, 0);
    TypeNewConstant(c, QStringLiteral("xy"), QStringLiteral("2"));
    QVERIFY(c.messages.isEmpty());
    QVERIFY(!c.app().Form6()->isVisible());
    QCOMPARE(Rows(library->ListBox1), (QStringList{"xyz", "xy", "Z"}));
    QVERIFY(library->ListBox1->isEnabled());
    QCOMPARE(library->Memo1->toPlainText(), kChooseHint);
    QVERIFY(library->Memo1->isReadOnly());
    QCOMPARE(zuvo::LoadConstants(c.ConstantsPath()).Count(), std::size_t{3});
  }

  void FirstConstantReplacesTheEmptyRow() {
    UiCase c;
    TForm5* library = OpenLibrary(c, {});
    QCOMPARE(Rows(library->ListBox1), QStringList{kEmptyRow});
    TypeNewConstant(c, QStringLiteral("半径"), QStringLiteral("2"));
    QCOMPARE(Rows(library->ListBox1), QStringList{QStringLiteral("半径")});
    QVERIFY(library->ListBox1->isEnabled());
    QVERIFY(library->Button4->isEnabled());
  }

  void NewConstantWindowStartsEmptyEachTime() {
    UiCase c;
    OpenLibrary(c, {});
    Click(c.app().Form5()->Button3);
    TForm6* form = c.app().Form6();
    TypeText(form->Edit1, QStringLiteral("k"));
    Click(form->Button2);
    QVERIFY(!form->isVisible());
    Click(c.app().Form5()->Button3);
    QVERIFY(form->Edit1->text().isEmpty());
    QVERIFY(form->Memo1->toPlainText().isEmpty());
    QVERIFY(Activate(form));
    QTest::keyClick(form->Edit1, Qt::Key_Escape);
    QVERIFY(!form->isVisible());
  }

  // The confirm button also drags the window: a press that moves is a drag,
  // a press that does not is still a click that admits.
  void ConfirmButtonDragsWithoutAdmitting() {
    UiCase c;
    OpenLibrary(c, {});
    Click(c.app().Form5()->Button3);
    TForm6* form = c.app().Form6();
    TypeText(form->Edit1, QStringLiteral("k"));
    TypeText(form->Memo1, QStringLiteral("1"));
    const QPoint start = form->pos();
    QTest::mousePress(form->Button1, Qt::LeftButton, {}, QPoint(20, 20));
    QMouseEvent move(QEvent::MouseMove, QPointF(80, 60), form->Button1->mapToGlobal(QPointF(80, 60)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form->Button1, &move);
    QTest::mouseRelease(form->Button1, Qt::LeftButton, {}, QPoint(80, 60));
    QCOMPARE(c.app().stores().constants().Count(), std::size_t{0});
    QCOMPARE(form->pos(), start + QPoint(60, 40));
    Click(form->Button1);
    QCOMPARE(c.app().stores().constants().Count(), std::size_t{1});
  }
};

QTEST_MAIN(ConstantWindowsTest)
#include "constant_windows_test.moc"
