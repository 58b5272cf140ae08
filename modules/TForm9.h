#pragma once

#include <QWidget>

#include "ui/AppContext.h"

namespace tonalyx {

// The GS map window: which GS tone map the names follow and the auditions
// send as Bank Select LSB.
class TForm9 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm9(AppContext& context);

 private:
  // RadioButton1Click .. RadioButton5Click: the button numbered `number` has
  // become the selected one.
  void RadioButtonClick(int number);

  AppContext& ctx_;
};

}  // namespace tonalyx
