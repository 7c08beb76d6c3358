#include "ui/Unit7.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "ui/help_catalogue.h"

namespace {

const QString kChooseHint = QStringLiteral("请点击搜索条目以显示搜索内容！");
const QString kNoHitsRow = QStringLiteral("无任何搜索结果，请重新搜索");
const QString kNoHitsText = QStringLiteral("无搜索结果，请重新搜索！");

QString FromU16(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TForm7::TForm7(CalculatorApp& app) : ZuvoWindow(app, QStringLiteral("计算器帮助")) {
  setObjectName(QStringLiteral("Form7"));
  Edit1 = new QLineEdit(this);
  Edit1->setGeometry(8, 8, 257, 33);
  Button2 = new QPushButton(QStringLiteral("搜索"), this);
  Button2->setGeometry(273, 8, 79, 33);
  Label1 = new QLabel(QStringLiteral("搜索条目："), this);
  Label1->setGeometry(8, 49, 344, 32);
  ListBox1 = new QListWidget(this);
  ListBox1->setGeometry(8, 80, 344, 161);
  Label2 = new QLabel(QStringLiteral("搜索内容："), this);
  Label2->setGeometry(8, 240, 344, 33);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(8, 272, 344, 248);
  Button1 = new QPushButton(QStringLiteral("退出计算器帮助"), this);
  Button1->setGeometry(8, 528, 344, 64);

  Edit1->setObjectName(QStringLiteral("Edit1"));
  Button2->setObjectName(QStringLiteral("Button2"));
  Label1->setObjectName(QStringLiteral("Label1"));
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  Label2->setObjectName(QStringLiteral("Label2"));
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Button1->setObjectName(QStringLiteral("Button1"));
  setTabOrder(Button1, Edit1);
  setTabOrder(Edit1, Button2);
  setTabOrder(Button2, ListBox1);
  setTabOrder(ListBox1, Memo1);

  FormCreate();
  connect(Edit1, &QLineEdit::textChanged, this, &TForm7::Edit1Change);
  // Return in the search box searches, as the button does.
  connect(Edit1, &QLineEdit::returnPressed, this, [this] {
    if (Button2->isEnabled()) Button2Click();
  });
  connect(Button2, &QPushButton::clicked, this, &TForm7::Button2Click);
  connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TForm7::ListBox1Click);
  connect(ListBox1, &QListWidget::itemClicked, this, &TForm7::ListBox1Click);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TForm7::ListBox1DblClick);
  connect(Button1, &QPushButton::clicked, this, &TForm7::Button1Click);
  HideOnEscape();
}

TForm7::~TForm7() { FormDestroy(); }

void TForm7::FormCreate() {
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  for (const HelpEntry& entry : HelpCatalogue()) {
    help_titles_ << FromU16(entry.title);
    help_texts_ << FromU16(entry.text);
  }
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  ShowAllTitles();
  MakeReadOnlySelectable(Memo1, true);
  Button2->setEnabled(false);
  Memo1->setPlainText(kChooseHint);
}

void TForm7::FormDestroy() {
  help_titles_.clear();
  help_texts_.clear();
  found_titles_.clear();
  found_texts_.clear();
}

void TForm7::ShowAllTitles() {
  searching_ = false;
  const QSignalBlocker quiet(ListBox1);
  ListBox1->clear();
  ListBox1->addItems(help_titles_);
  // The whole catalogue can always be browsed, even after a search without
  // hits disabled the list.
  ListBox1->setEnabled(true);
}

void TForm7::FormShow() {
  ShowAllTitles();
  Memo1->setPlainText(kChooseHint);
  ListBox1->setFocus();
}

void TForm7::Edit1Change() {
  if (!Edit1->text().isEmpty()) {
    Button2->setEnabled(true);
    return;
  }
  Button2->setEnabled(false);
  ShowAllTitles();
}

void TForm7::Button2Click() {
  searching_ = true;
  found_titles_.clear();
  found_texts_.clear();
  const QString needle = Edit1->text();
  for (qsizetype i = 0; i < help_titles_.size(); ++i) {
    if (help_titles_[i].contains(needle, Qt::CaseSensitive)) {
      found_titles_ << help_titles_[i];
      found_texts_ << help_texts_[i];
    }
  }
  const QSignalBlocker quiet(ListBox1);
  ListBox1->clear();
  ListBox1->addItems(found_titles_);
  if (found_titles_.isEmpty()) {
    ListBox1->addItem(kNoHitsRow);
    ListBox1->setEnabled(false);
    Memo1->setPlainText(kNoHitsText);
  } else {
    ListBox1->setEnabled(true);
    Memo1->setPlainText(kChooseHint);
  }
}

void TForm7::ListBox1Click() {
  ListBox1->setEnabled(true);
  const int row = ListBox1->currentRow();
  const QStringList& texts = searching_ ? found_texts_ : help_texts_;
  if (ListBox1->selectedItems().isEmpty() || row < 0 || row >= texts.size()) {
    Memo1->setPlainText(kChooseHint);
    return;
  }
  Memo1->setPlainText(texts[row]);
}

void TForm7::ListBox1DblClick() { ListBox1Click(); }

void TForm7::Button1Click() { hide(); }
