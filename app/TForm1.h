#pragma once

#include <QMainWindow>

#include "app/AppContext.h"

namespace tonalyx {

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(AppContext& context);

 private:
  AppContext& ctx_;
};

}  // namespace tonalyx
