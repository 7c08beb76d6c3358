#include "ui/window_base.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QTextCursor>
#include <QWindow>

#include "ui/calculator_app.h"

ZuvoWindow::ZuvoWindow(CalculatorApp& app, const QString& caption) : QWidget(nullptr), app_(app) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(caption);
  setFixedSize(kWidth, kHeight);
  // The style sheet paints the window's background only on widgets that ask
  // for it.
  setAttribute(Qt::WA_StyledBackground, true);
}

void ZuvoWindow::mousePressEvent(QMouseEvent* event) {
  FormMouseDown(event);
  QWidget::mousePressEvent(event);
}

void ZuvoWindow::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) FollowDrag(event->globalPosition().toPoint());
  QWidget::mouseMoveEvent(event);
}

void ZuvoWindow::mouseReleaseEvent(QMouseEvent* event) {
  FormMouseUp(event);
  QWidget::mouseReleaseEvent(event);
}

void ZuvoWindow::FormMouseDown(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  BeginDrag(event->globalPosition().toPoint());
}

void ZuvoWindow::FormMouseUp(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  EndDrag();
}

void ZuvoWindow::BeginDrag(const QPoint& global) {
  // The platform's move lets the window manager do the work (and works on
  // Wayland, where a window cannot place itself).
  if (QWindow* handle = windowHandle(); handle != nullptr && handle->startSystemMove()) return;
  dragging_ = true;
  drag_offset_ = global - frameGeometry().topLeft();
}

void ZuvoWindow::FollowDrag(const QPoint& global) {
  if (dragging_) move(global - drag_offset_);
}

void ZuvoWindow::EndDrag() { dragging_ = false; }

void ZuvoWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  CentreOnScreen();
  FormShow();
}

void ZuvoWindow::CentreOnScreen() {
  QScreen* where = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  if (where == nullptr) return;
  QRect area = frameGeometry();
  area.moveCenter(where->availableGeometry().center());
  move(area.topLeft());
}

void ZuvoWindow::HideOnEscape() {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, &QWidget::hide);
}

bool LimitPlainTextLength(QPlainTextEdit* box, int max_chars) {
  QTextDocument* document = box->document();
  // characterCount includes the paragraph separator that ends the document.
  if (document->characterCount() - 1 <= max_chars) return false;
  QTextCursor cursor(document);
  cursor.setPosition(max_chars);
  cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  return true;
}

void MakeReadOnlySelectable(QPlainTextEdit* box, bool read_only) {
  box->setReadOnly(read_only);
  if (read_only) box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}
