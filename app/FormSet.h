#pragma once

#include <memory>
#include <vector>

#include "ui/AppContext.h"

class QWidget;

namespace tonalyx {

// Creates the thirteen windows in the order TForm1 to TForm13, fills the
// context's registry as each one is made, and deletes them in reverse order.
// The tone finder is built when the program or drum note window first asks
// for it, the tone and drum sound edit windows when those windows' menus
// first open them, the favourites window when the program or drum note
// window's menu first asks for it, and the export dialog when the main
// window's menu first opens it, so they cost nothing at start.
class FormSet {
 public:
  explicit FormSet(AppContext& context);
  ~FormSet();
  FormSet(const FormSet&) = delete;
  FormSet& operator=(const FormSet&) = delete;

 private:
  void OpenFinder(bool drums);
  void OpenExport();
  void OpenToneEdit();
  void OpenDrumEdit();
  void OpenFavourites();

  AppContext& ctx_;
  std::vector<std::unique_ptr<QWidget>> windows_;
};

}  // namespace tonalyx
