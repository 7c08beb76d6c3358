#include "ui/Unit4.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "storage/history_store.h"
#include "ui/Unit1.h"
#include "ui/Unit3.h"
#include "ui/calculator_app.h"

namespace {

const QString kChooseHint = QStringLiteral("请点击列表中的历史回溯节点以查看节点内容！");
const QString kNoNodesText = QStringLiteral("没有可用历史回溯节点，所以无法查看节点内容！");
const QString kNoNodesRow = QStringLiteral("无任何历史回溯节点可用！");
constexpr int kSerialRole = Qt::UserRole;

}  // namespace

TForm4::TForm4(CalculatorApp& app) : ZuvoWindow(app, QStringLiteral("历史回溯")) {
  setObjectName(QStringLiteral("Form4"));
  Label1 = new QLabel(QStringLiteral("可回溯的历史记录节点："), this);
  Label1->setGeometry(7, 0, 345, 41);
  ListBox1 = new QListWidget(this);
  ListBox1->setGeometry(8, 40, 344, 113);
  Label2 = new QLabel(QStringLiteral("该历史节点包含的内容："), this);
  Label2->setGeometry(7, 161, 345, 32);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(8, 201, 344, 184);
  Button2 = new QPushButton(QStringLiteral("回溯到此历史节点"), this);
  Button2->setGeometry(8, 393, 169, 63);
  Button3 = new QPushButton(QStringLiteral("删除此历史节点"), this);
  Button3->setGeometry(185, 393, 167, 63);
  Button4 = new QPushButton(QStringLiteral("清除所有历史节点"), this);
  Button4->setGeometry(8, 464, 344, 56);
  Button1 = new QPushButton(QStringLiteral("退出历史回溯界面"), this);
  Button1->setGeometry(8, 528, 344, 64);

  Label1->setObjectName(QStringLiteral("Label1"));
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  Label2->setObjectName(QStringLiteral("Label2"));
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Button2->setObjectName(QStringLiteral("Button2"));
  Button3->setObjectName(QStringLiteral("Button3"));
  Button4->setObjectName(QStringLiteral("Button4"));
  Button1->setObjectName(QStringLiteral("Button1"));
  setTabOrder(Button1, ListBox1);
  setTabOrder(ListBox1, Memo1);
  setTabOrder(Memo1, Button2);
  setTabOrder(Button2, Button3);
  setTabOrder(Button3, Button4);

  FormCreate();
  connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TForm4::ListBox1Click);
  connect(ListBox1, &QListWidget::itemClicked, this, &TForm4::ListBox1Click);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TForm4::ListBox1DblClick);
  connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm4::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TForm4::Button4Click);
  HideOnEscape();
}

void TForm4::FormCreate() {
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  MakeReadOnlySelectable(Memo1, true);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void TForm4::FormShow() { Rebuild(); }

void TForm4::Rebuild() {
  const zuvo::PairStore& history = app_.stores().history();
  const QSignalBlocker quiet(ListBox1);
  ListBox1->clear();
  ListBox1->setEnabled(true);
  Button2->setEnabled(false);
  Button3->setEnabled(false);
  Button4->setEnabled(false);
  for (std::size_t position = history.Count(); position >= 1; --position) {
    const std::int64_t serial = zuvo::HistoryNodeSerial(history, position);
    auto* row = new QListWidgetItem(QStringLiteral("第") + QString::number(serial) + QStringLiteral("个历史回溯节点"));
    row->setData(kSerialRole, QVariant::fromValue<qlonglong>(serial));
    ListBox1->addItem(row);
  }
  Memo1->clear();
  if (history.Count() > 0) {
    Button4->setEnabled(true);
    Memo1->setPlainText(kChooseHint);
  } else {
    ListBox1->addItem(kNoNodesRow);
    ListBox1->setEnabled(false);
    Memo1->setPlainText(kNoNodesText);
  }
}

std::size_t TForm4::SelectedPosition() const {
  const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
  if (selected.isEmpty() || !selected.front()->data(kSerialRole).isValid()) return 0;
  const qlonglong serial = selected.front()->data(kSerialRole).toLongLong();
  const zuvo::PairStore& history = app_.stores().history();
  for (std::size_t position = 1; position <= history.Count(); ++position)
    if (zuvo::HistoryNodeSerial(history, position) == serial) return position;
  return 0;
}

void TForm4::ListBox1Click() {
  const std::size_t position = SelectedPosition();
  if (position == 0) {
    Button2->setEnabled(false);
    Button3->setEnabled(false);
    return;
  }
  const std::u16string text = zuvo::HistoryNodeText(app_.stores().history(), position);
  Memo1->setPlainText(QString::fromStdU16String(text));
  Button2->setEnabled(true);
  Button3->setEnabled(true);
}

void TForm4::ListBox1DblClick() { ListBox1Click(); }

void TForm4::Button2Click() {
  const std::size_t position = SelectedPosition();
  if (position == 0) return;
  app_.Form1()->SetInputText(QString::fromStdU16String(zuvo::HistoryNodeText(app_.stores().history(), position)));
  app_.Form3()->hide();
  hide();
  app_.Form1()->raise();
  app_.Form1()->activateWindow();
}

void TForm4::Button3Click() {
  const std::size_t position = SelectedPosition();
  if (position == 0) return;
  app_.stores().DeleteHistoryNode(position);
  Rebuild();
  app_.ReportSaveProblems(this);
}

void TForm4::Button4Click() {
  app_.stores().ClearHistory();
  Rebuild();
  app_.ReportSaveProblems(this);
}

void TForm4::Button1Click() { hide(); }
