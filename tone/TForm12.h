#pragma once

#include <QWidget>
#include <string_view>

#include "app/AppContext.h"

namespace tonalyx {

class TForm12 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm12(AppContext& context);
  // Shows the last GS tone played: program, bank and name.
  void ShowTone(int program, int bank, std::string_view name);

 private:
  AppContext& ctx_;
};

}  // namespace tonalyx
