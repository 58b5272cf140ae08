#include "ui/EventWatch.h"

#include <QObject>
#include <utility>

namespace tonalyx {
namespace {

// Owned by the object it watches, so it ends with it.
class EventWatch : public QObject {
 public:
  EventWatch(QObject& watched, QEvent::Type type, std::function<void()> arrived)
      : QObject(&watched), type_(type), arrived_(std::move(arrived)) {
    watched.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == type_) arrived_();
    return QObject::eventFilter(watched, event);
  }

 private:
  QEvent::Type type_;
  std::function<void()> arrived_;
};

}  // namespace

void WhenEventArrives(QObject& watched, QEvent::Type type, std::function<void()> arrived) {
  new EventWatch(watched, type, std::move(arrived));
}

}  // namespace tonalyx
