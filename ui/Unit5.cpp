#include "ui/Unit5.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "storage/constant_library.h"
#include "ui/Unit6.h"
#include "ui/calculator_app.h"

namespace {

const QString kChooseHint = QStringLiteral("请点击常数列表以获取常数信息！");
const QString kEmptyRow = QStringLiteral("常数列表无常数，故无法显示！");
const QString kEmptyText = QStringLiteral("常数列表里面没有任何常数，故无法显示！");
constexpr int kNameRole = Qt::UserRole;

}  // namespace

TForm5::TForm5(CalculatorApp& app) : ZuvoWindow(app, QStringLiteral("设置常数")) {
  setObjectName(QStringLiteral("Form5"));
  Label1 = new QLabel(QStringLiteral("现在已设置的常数："), this);
  Label1->setGeometry(8, 0, 265, 33);
  ListBox1 = new QListWidget(this);
  ListBox1->setGeometry(8, 32, 344, 121);
  Label2 = new QLabel(QStringLiteral("选择的常数内容:"), this);
  Label2->setGeometry(8, 153, 344, 38);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(8, 192, 344, 207);
  Button2 = new QPushButton(QStringLiteral("删除该常数"), this);
  Button2->setGeometry(8, 407, 169, 57);
  Button3 = new QPushButton(QStringLiteral("新建常数"), this);
  Button3->setGeometry(185, 407, 167, 57);
  Button4 = new QPushButton(QStringLiteral("清除所有已设置常数"), this);
  Button4->setGeometry(8, 472, 344, 56);
  Button1 = new QPushButton(QStringLiteral("退出设置常数界面"), this);
  Button1->setGeometry(7, 536, 345, 56);

  Label1->setObjectName(QStringLiteral("Label1"));
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  Label2->setObjectName(QStringLiteral("Label2"));
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Button2->setObjectName(QStringLiteral("Button2"));
  Button3->setObjectName(QStringLiteral("Button3"));
  Button4->setObjectName(QStringLiteral("Button4"));
  Button1->setObjectName(QStringLiteral("Button1"));
  setTabOrder(Button1, Button2);
  setTabOrder(Button2, Button3);
  setTabOrder(Button3, Button4);
  setTabOrder(Button4, ListBox1);
  setTabOrder(ListBox1, Memo1);

  FormCreate();
  connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TForm5::ListBox1Click);
  connect(ListBox1, &QListWidget::itemClicked, this, &TForm5::ListBox1Click);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TForm5::ListBox1DblClick);
  connect(Memo1, &QPlainTextEdit::textChanged, this, &TForm5::Memo1Change);
  connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm5::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm5::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TForm5::Button4Click);
  HideOnEscape();
}

void TForm5::FormCreate() {
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  MakeReadOnlySelectable(Memo1, true);
}

void TForm5::FormShow() {
  app_.stores().SortAndSaveConstants();
  Rebuild();
  app_.ReportSaveProblems(this);
}

void TForm5::ConstantAdded() { Rebuild(); }

void TForm5::SetContentBox(const QString& text, bool editable) {
  // The text arrives while the box is read-only, so it is not taken for an
  // edit of the constant.
  MakeReadOnlySelectable(Memo1, true);
  Memo1->setPlainText(text);
  if (editable) {
    Memo1->setReadOnly(false);
    Memo1->setTextInteractionFlags(Qt::TextEditorInteraction);
  }
}

void TForm5::Rebuild() {
  const zuvo::PairStore& library = app_.stores().constants();
  {
    const QSignalBlocker quiet(ListBox1);
    ListBox1->clear();
    ListBox1->setEnabled(true);
    for (std::size_t i = 1; i <= library.Count(); ++i) {
      const QString name = QString::fromStdU16String(zuvo::ConstantName(library, i));
      auto* row = new QListWidgetItem(name);
      row->setData(kNameRole, name);
      ListBox1->addItem(row);
    }
    if (library.Count() == 0) {
      ListBox1->addItem(kEmptyRow);
      ListBox1->setEnabled(false);
    }
  }
  Button2->setEnabled(false);
  Button4->setEnabled(library.Count() > 0);
  SetContentBox(library.Count() > 0 ? kChooseHint : kEmptyText, false);
}

QString TForm5::SelectedName() const {
  const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
  if (selected.isEmpty() || !selected.front()->data(kNameRole).isValid()) return {};
  const QString name = selected.front()->data(kNameRole).toString();
  if (zuvo::FindConstant(app_.stores().constants(), name.toStdU16String()) == 0) return {};
  return name;
}

void TForm5::ListBox1Click() {
  const QString name = SelectedName();
  if (name.isEmpty()) {
    SetContentBox(kChooseHint, false);
    Button2->setEnabled(false);
    return;
  }
  const zuvo::PairStore& library = app_.stores().constants();
  const std::size_t i = zuvo::FindConstant(library, name.toStdU16String());
  SetContentBox(QString::fromStdU16String(zuvo::ConstantContent(library, i)), true);
  Button2->setEnabled(true);
}

void TForm5::ListBox1DblClick() { ListBox1Click(); }

void TForm5::Memo1Change() {
  if (Memo1->isReadOnly()) return;
  // Cutting an over-long text reports a change of its own, which saves.
  if (LimitPlainTextLength(Memo1, kMaxContentChars)) return;
  const QString name = SelectedName();
  if (name.isEmpty()) return;
  app_.stores().SetConstantContent(name.toStdU16String(), Memo1->toPlainText().toStdU16String());
  app_.ReportSaveProblems(this);
}

void TForm5::Button2Click() {
  const QString name = SelectedName();
  if (name.isEmpty()) return;
  app_.stores().DeleteConstant(name.toStdU16String());
  Rebuild();
  app_.ReportSaveProblems(this);
}

void TForm5::Button3Click() {
  TForm6* form = app_.Form6();
  form->show();
  form->raise();
  form->activateWindow();
}

void TForm5::Button4Click() {
  app_.stores().ClearConstants();
  Rebuild();
  app_.ReportSaveProblems(this);
}

void TForm5::Button1Click() { hide(); }
