// What the seven windows share: no frame, a 360 × 600 client area centred on
// the screen whenever the window is shown, dragging by the free area, and
// the length limit of multi-line boxes.
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

class QPlainTextEdit;
class CalculatorApp;

class ZuvoWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 360;
  static constexpr int kHeight = 600;

  ZuvoWindow(CalculatorApp& app, const QString& caption);

  // Pressing a mouse button on the free area moves the window with the
  // mouse: the platform's own move when it offers one, otherwise by
  // following the mouse until the button is released.
  void FormMouseDown(QMouseEvent* event);
  void FormMouseUp(QMouseEvent* event);

 protected:
  // Starts a drag from a press at global position `global`; used by the
  // window itself and by controls that carry the drag instead.
  void BeginDrag(const QPoint& global);
  void FollowDrag(const QPoint& global);
  void EndDrag();

  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;

  // Runs every time the window is shown by the program (not when the
  // platform merely re-exposes it).
  virtual void FormShow() {}

  // Escape hides a secondary window.
  void HideOnEscape();

  CalculatorApp& app_;

 private:
  void CentreOnScreen();

  bool dragging_ = false;
  QPoint drag_offset_;
};

// Keeps a multi-line box at no more than max_chars characters by cutting what
// goes beyond the limit off its end.
// Gives true when it had to cut.
bool LimitPlainTextLength(QPlainTextEdit* box, int max_chars);

// A read-only box that still lets the user select and copy its text.
void MakeReadOnlySelectable(QPlainTextEdit* box, bool read_only);
