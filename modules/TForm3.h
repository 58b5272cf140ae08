#pragma once

#include <QWidget>
#include <optional>

#include "ui/AppContext.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tonalyx {

// The module type window: which kind of tone module is attached. Choosing an
// item applies it at once (names, keyboard label, menus); "OK" also sends the
// module's reset and hides the window.
class TForm3 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm3(AppContext& context);
  // The selected item of RadioGroup1; empty when none is selected. The
  // shared state's selected_type follows it.
  std::optional<ModuleKind> Selection() const;
  // Puts a saved module type into the selection, clamped to -1..3. Selecting
  // a different item has the full effect of the user choosing it; -1 clears
  // the selection and has no other effect.
  void RestoreSelection(int saved_type);

 private:
  void RadioGroup1Click(int id, bool checked);
  void Button1Click();

  AppContext& ctx_;
  QGroupBox* RadioGroup1_;
  QButtonGroup* items_;
  QPushButton* Button1_;
  QLabel* Label1_;
};

}  // namespace tonalyx
