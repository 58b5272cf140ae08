#pragma once

#include <QMainWindow>

#include "app/AppContext.h"

namespace tonalyx {

class TForm4 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm4(AppContext& context);
  // Captions the 128 note buttons from the drum table for DrumKit and the
  // module type selected in the module type window.
  void RefreshDrumCaptions();

 private:
  AppContext& ctx_;
};

}  // namespace tonalyx
