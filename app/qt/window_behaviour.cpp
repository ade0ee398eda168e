#include "app/qt/window_behaviour.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QObject>
#include <QShortcut>
#include <QWindow>

namespace {

class DragFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonPress)
      return false;
    auto* press = static_cast<QMouseEvent*>(event);
    auto* widget = static_cast<QWidget*>(watched);
    // A press that reached here from a label or another control belongs to it.
    if (press->button() != Qt::LeftButton || widget->childAt(press->position().toPoint()))
      return false;
    QWindow* handle = widget->window()->windowHandle();
    return handle && handle->startSystemMove();
  }
};

class OuterSizeFilter : public QObject {
 public:
  OuterSizeFilter(QWidget* window, QSize outer) : QObject(window), window_(window), outer_(outer) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Expose)
      Fit();
    return false;
  }

 private:
  void Fit() {
    const QMargins frame = window_->windowHandle()->frameMargins();
    const QSize client = outer_.shrunkBy(frame);
    if (window_->size() != client)
      window_->setFixedSize(client);
  }

  QWidget* window_;
  QSize outer_;
};

class CloseOwnedFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close) {
      for (QWidget* owned :
           static_cast<QWidget*>(watched)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (owned->isWindow())
          owned->close();
      }
    }
    return false;
  }
};

}  // namespace

void AllowDragging(QWidget* widget) {
  widget->installEventFilter(new DragFilter(widget));
}

void CloseOnEscape(QWidget* window) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  escape->setContext(Qt::WindowShortcut);
  QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

void KeepOuterSize(QWidget* window, QSize outer) {
  window->winId();  // the native window the filter watches
  window->windowHandle()->installEventFilter(new OuterSizeFilter(window, outer));
}

void CloseOwnedWindowsWith(QWidget* window) {
  window->installEventFilter(new CloseOwnedFilter(window));
}
