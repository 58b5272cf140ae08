#include "drum/TForm11.h"

#include <QLabel>

#include "ui/Retranslation.h"
#include "ui/UiLook.h"

namespace tonalyx {

TForm11::TForm11(AppContext&) {
  setObjectName(QStringLiteral("TForm11"));
  ApplyDesignFont(*this);
  resize(696, 219);

  auto* label1 = new QLabel(this);
  label1->setObjectName(QStringLiteral("Label1"));
  label1->move(8, 16);
  KeepTranslated(*this, [this, label1] {
    setWindowTitle(tr("情報"));
    label1->setText(tr("楽器名="));
    label1->adjustSize();
  });
  auto* label2 = new QLabel(this);
  label2->setObjectName(QStringLiteral("Label2"));
  label2->move(56, 16);
}

}  // namespace tonalyx
