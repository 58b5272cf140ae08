#pragma once

#include <QMainWindow>
#include <array>

#include "ui/AppContext.h"

class QAction;

namespace tonalyx {

class AuditionButton;

// The program number window: 128 buttons, one per program, captioned with
// the tone names of the current bank. Holding a button plays its program.
class TForm2 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm2(AppContext& context);
  // Captions the 128 program buttons from the tone table for the module type
  // selected in the module type window (GS or XG; GM and GM2 leave them).
  void RefreshProgramCaptions();
  // Enables or disables the menu items MSB1 and N1.
  void SetTypeMenusEnabled(bool enabled);

 signals:
  // The menu item "音色検索": the user wants the tone finder.
  void SearchRequested();
  // The menu item "音色エディット": the user wants the tone edit window.
  void ToneEditRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // Stores this window's height, width, top and left in section "Window2".
  void StoreGeometry() const;

  AppContext& ctx_;
  std::array<AuditionButton*, 128> buttons_{};
  QAction* MSB1_;
  QAction* N1_;
};

}  // namespace tonalyx
