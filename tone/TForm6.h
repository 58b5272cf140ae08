#pragma once

#include <QWidget>
#include <array>

#include "ui/AppContext.h"

namespace tonalyx {

class AuditionButton;

// The bank select window: 128 buttons, one per bank, captioned with the names
// the current program has in each bank. Holding a button plays the current
// program in that bank.
class TForm6 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm6(AppContext& context);
  // Captions the 128 bank buttons with the names of CurrentProgram for the
  // module type selected in the module type window (GS or XG).
  void RefreshBankCaptions();

 private:
  AppContext& ctx_;
  std::array<AuditionButton*, 128> buttons_{};
};

}  // namespace tonalyx
