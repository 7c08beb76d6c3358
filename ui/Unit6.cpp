#include "ui/Unit6.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "storage/store_session.h"
#include "ui/Unit5.h"
#include "ui/calculator_app.h"

TForm6::TForm6(CalculatorApp& app) : ZuvoWindow(app, QStringLiteral("新建常数")) {
  setObjectName(QStringLiteral("Form6"));
  Label1 = new QLabel(QStringLiteral("新的常数名称："), this);
  Label1->setGeometry(8, 8, 344, 25);
  Edit1 = new QLineEdit(this);
  Edit1->setGeometry(8, 33, 344, 33);
  Label2 = new QLabel(QStringLiteral("新常数的内容："), this);
  Label2->setGeometry(8, 64, 344, 33);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(8, 96, 344, 369);
  Button1 = new QPushButton(QStringLiteral("完成新建常数"), this);
  Button1->setGeometry(8, 473, 344, 56);
  Button2 = new QPushButton(QStringLiteral("退出常数新建界面"), this);
  Button2->setGeometry(8, 537, 344, 55);

  Label1->setObjectName(QStringLiteral("Label1"));
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Label2->setObjectName(QStringLiteral("Label2"));
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Button1->setObjectName(QStringLiteral("Button1"));
  Button2->setObjectName(QStringLiteral("Button2"));
  setTabOrder(Edit1, Memo1);
  setTabOrder(Memo1, Button1);
  setTabOrder(Button1, Button2);

  FormCreate();
  Button1->installEventFilter(this);
  connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm6::Button2Click);
  HideOnEscape();
}

void TForm6::FormCreate() {
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void TForm6::FormShow() {
  Edit1->clear();
  Memo1->clear();
  Edit1->setFocus();
}

void TForm6::Button1Click() {
  // A press that turned into a drag is no confirmation.
  if (button_dragging_) return;
  const std::u16string name = Edit1->text().toStdU16String();
  const std::u16string content = Memo1->toPlainText().toStdU16String();
  zuvo::AddConstantResult result = app_.stores().AddNewConstant(name, content);
  if (result.refusal) {
    app_.ShowMessage(this, QString::fromUtf16(result.refusal->data(), static_cast<qsizetype>(result.refusal->size())));
    return;
  }
  app_.Form5()->ConstantAdded();
  hide();
  app_.ReportSaveProblems(app_.Form5());
}

void TForm6::Button2Click() { hide(); }

void TForm6::Button1MouseDown(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  button_pressed_ = true;
  button_dragging_ = false;
  press_global_ = event->globalPosition().toPoint();
}

void TForm6::Button1MouseUp(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  button_pressed_ = false;
  EndDrag();
}

bool TForm6::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Button1) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
        Button1MouseDown(static_cast<QMouseEvent*>(event));
        break;
      case QEvent::MouseMove: {
        auto* move = static_cast<QMouseEvent*>(event);
        const QPoint global = move->globalPosition().toPoint();
        if (button_pressed_ && !button_dragging_ &&
            (global - press_global_).manhattanLength() >= QApplication::startDragDistance()) {
          button_dragging_ = true;
          Button1->setDown(false);
          BeginDrag(press_global_);
        }
        if (button_dragging_) FollowDrag(global);
        break;
      }
      case QEvent::MouseButtonRelease: {
        auto* release = static_cast<QMouseEvent*>(event);
        const bool was_drag = button_dragging_;
        Button1MouseUp(release);
        if (was_drag) {
          // The drag ends here; the button must not also report a click.
          button_dragging_ = false;
          Button1->setDown(false);
          return true;
        }
        break;
      }
      default:
        break;
    }
  }
  return ZuvoWindow::eventFilter(watched, event);
}

void TForm6::mousePressEvent(QMouseEvent* event) { QWidget::mousePressEvent(event); }

void TForm6::mouseReleaseEvent(QMouseEvent* event) { QWidget::mouseReleaseEvent(event); }
