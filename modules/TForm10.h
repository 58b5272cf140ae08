#pragma once

#include <QWidget>

#include "ui/AppContext.h"

namespace tonalyx {

// The XG map window: which XG tone map the program and bank captions follow.
// The choice is never sent to the device.
class TForm10 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm10(AppContext& context);

 private:
  // RadioButton1Click .. RadioButton6Click: the button numbered `number` has
  // become the selected one.
  void RadioButtonClick(int number);

  AppContext& ctx_;
};

}  // namespace tonalyx
