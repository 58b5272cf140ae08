#pragma once

#include <QWidget>

#include "ui/AppContext.h"

namespace tonalyx {

// The GS drum kit window: 38 buttons, each selecting one GS kit.
class TForm5 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm5(AppContext& context);

 private:
  AppContext& ctx_;
};

}  // namespace tonalyx
