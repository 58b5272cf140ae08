#pragma once

#include <QWidget>

#include "ui/AppContext.h"

namespace tonalyx {

// The drum information window: an instrument name line that nothing fills.
// It is created with the others and stays hidden for the whole run.
class TForm11 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm11(AppContext& context);
};

}  // namespace tonalyx
