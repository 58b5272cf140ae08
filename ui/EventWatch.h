#pragma once

#include <QEvent>
#include <functional>

class QObject;

namespace tonalyx {

// Runs `arrived` each time an event of `type` reaches `watched`, before the
// object itself handles it, for as long as the object lives.
void WhenEventArrives(QObject& watched, QEvent::Type type, std::function<void()> arrived);

}  // namespace tonalyx
