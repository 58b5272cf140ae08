#pragma once

#include <QWidget>

#include "app/AppContext.h"

namespace tonalyx {

class TForm6 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm6(AppContext& context);
  // Captions the 128 bank buttons with the names of CurrentProgram.
  void RefreshBankCaptions();

 private:
  AppContext& ctx_;
};

}  // namespace tonalyx
