#pragma once

#include <QWidget>

#include "app/AppContext.h"

namespace tonalyx {

class TForm10 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm10(AppContext& context);

 private:
  AppContext& ctx_;
};

}  // namespace tonalyx
