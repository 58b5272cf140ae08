#pragma once

#include <QMainWindow>

#include "app/AppContext.h"

namespace tonalyx {

class TForm2 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm2(AppContext& context);
  // Captions the 128 program buttons from the tone table for the module type
  // selected in the module type window (GS or XG; GM and GM2 leave them).
  void RefreshProgramCaptions();
  // Enables or disables the menu items MSB1 and N1.
  void SetTypeMenusEnabled(bool enabled);

 private:
  AppContext& ctx_;
};

}  // namespace tonalyx
