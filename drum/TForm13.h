#pragma once

#include <QWidget>

#include "ui/AppContext.h"

namespace tonalyx {

// The XG drum kit window: 30 buttons, each selecting one XG kit. It keeps no
// geometry of its own and always opens at the same place.
class TForm13 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm13(AppContext& context);

 private:
  AppContext& ctx_;
};

}  // namespace tonalyx
