#pragma once

#include <QWidget>

#include "app/AppContext.h"

namespace tonalyx {

class TForm8 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm8(AppContext& context);
  // The octave name on the key of note 60: "C4" or "C3".
  void SetMiddleCLabel(const QString& text);

 private:
  AppContext& ctx_;
};

}  // namespace tonalyx
