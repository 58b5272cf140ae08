#include "drum/TForm11.h"

#include <QLabel>

#include "ui/UiLook.h"

namespace tonalyx {

TForm11::TForm11(AppContext&) {
  setObjectName(QStringLiteral("TForm11"));
  setWindowTitle(QStringLiteral("情報"));
  ApplyDesignFont(*this);
  resize(696, 219);

  auto* label1 = new QLabel(QStringLiteral("楽器名="), this);
  label1->setObjectName(QStringLiteral("Label1"));
  label1->move(8, 16);
  label1->adjustSize();
  auto* label2 = new QLabel(this);
  label2->setObjectName(QStringLiteral("Label2"));
  label2->move(56, 16);
}

}  // namespace tonalyx
