#pragma once

#include <QWidget>

#include "app/AppContext.h"

namespace tonalyx {

class TForm9 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm9(AppContext& context);

 private:
  AppContext& ctx_;
};

}  // namespace tonalyx
