#include "ui/PointerEnter.h"

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <utility>

namespace tonalyx {
namespace {

// Owned by the control it watches, so it ends with it.
class EnterWatch : public QObject {
 public:
  EnterWatch(QWidget& control, std::function<void()> entered)
      : QObject(&control), entered_(std::move(entered)) {
    control.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Enter) entered_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> entered_;
};

}  // namespace

void WhenPointerEnters(QWidget& control, std::function<void()> entered) {
  new EnterWatch(control, std::move(entered));
}

}  // namespace tonalyx
