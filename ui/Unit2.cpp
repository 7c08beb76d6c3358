#include "ui/Unit2.h"

#include <QPlainTextEdit>
#include <QPushButton>

TForm2::TForm2(CalculatorApp& app) : ZuvoWindow(app, QStringLiteral("计算结果")) {
  setObjectName(QStringLiteral("Form2"));
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(7, 8, 345, 512);
  Button1 = new QPushButton(QStringLiteral("确认你的计算式结果"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(7, 528, 345, 64);
  setTabOrder(Button1, Memo1);
  connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
  HideOnEscape();
  FormCreate();
}

void TForm2::FormCreate() {
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  MakeReadOnlySelectable(Memo1, true);
}

void TForm2::Button1Click() { hide(); }
