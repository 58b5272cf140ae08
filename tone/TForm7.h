#pragma once

#include <QWidget>
#include "tone/ControllerValues.h"

#include "app/AppContext.h"

namespace tonalyx {

class TForm7 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm7(AppContext& context);
  // The bar positions right now.
  ControllerValues Values() const;

 private:
  AppContext& ctx_;
};

}  // namespace tonalyx
