#pragma once

#include <QWidget>

#include "app/AppContext.h"

namespace tonalyx {

class TForm11 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm11(AppContext& context);

 private:
  AppContext& ctx_;
};

}  // namespace tonalyx
