#pragma once

#include <QWidget>

#include "app/AppContext.h"

namespace tonalyx {

class TForm13 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm13(AppContext& context);

 private:
  AppContext& ctx_;
};

}  // namespace tonalyx
