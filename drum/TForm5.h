#pragma once

#include <QWidget>

#include "app/AppContext.h"

namespace tonalyx {

class TForm5 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm5(AppContext& context);

 private:
  AppContext& ctx_;
};

}  // namespace tonalyx
