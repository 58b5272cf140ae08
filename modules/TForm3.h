#pragma once

#include <QWidget>

#include "app/AppContext.h"

namespace tonalyx {

class TForm3 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm3(AppContext& context);
  // The selected item of RadioGroup1: 0 GS, 1 XG, 2 GM, 3 GM2, -1 none.
  int Selection() const;
  // Puts a saved module type into the selection, clamped to -1..3. Selecting
  // a different item has the full effect of the user choosing it.
  void RestoreSelection(int savedType);

 private:
  AppContext& ctx_;
};

}  // namespace tonalyx
