#include "modules/TForm3.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "app/UiLook.h"
#include "app/WindowGeometry.h"
#include "modules/ModuleTypeActions.h"
#include "tone/TForm2.h"
#include "tone/TForm6.h"

namespace tonalyx {

TForm3::TForm3(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm3"));
  setWindowTitle(QStringLiteral("音源の種類"));
  ApplyDesignFont(*this);

  RadioGroup1_ = new QGroupBox(QStringLiteral("音源の種類"), this);
  RadioGroup1_->setObjectName(QStringLiteral("RadioGroup1"));
  RadioGroup1_->setGeometry(8, 8, 135, 105);
  items_ = new QButtonGroup(RadioGroup1_);
  items_->setObjectName(QStringLiteral("RadioGroup1"));
  items_->setExclusive(true);
  const QString captions[] = {QStringLiteral("GS"), QStringLiteral("XG"), QStringLiteral("GM"),
                              QStringLiteral("GM2(未実装）")};
  for (int id = 0; id < 4; ++id) {
    auto* item = new QRadioButton(captions[id], RadioGroup1_);
    item->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(id));
    item->setGeometry(10, 20 + 20 * id, 115, 18);
    items_->addButton(item, id);
  }
  items_->button(0)->setChecked(true);
  // Only the item that becomes selected acts; clicking the selected item
  // toggles nothing and so runs nothing.
  connect(items_, &QButtonGroup::idToggled, this, &TForm3::RadioGroup1Click);

  Button1_ = new QPushButton(QStringLiteral("OK"), this);
  Button1_->setObjectName(QStringLiteral("Button1"));
  Button1_->setGeometry(38, 120, 75, 25);
  connect(Button1_, &QPushButton::clicked, this, &TForm3::Button1Click);

  Label1_ = new QLabel(this);
  Label1_->setObjectName(QStringLiteral("Label1"));
  Label1_->setGeometry(8, 150, 135, 14);

  ReadGeometry(*this, ctx_.settingsPath, "Window3", {172, 151, 107, 192});
}

int TForm3::Selection() const { return items_->checkedId(); }

void TForm3::RestoreSelection(int savedType) {
  const int selection = std::clamp(savedType, -1, 3);
  if (selection >= 0) {
    // A different item emits idToggled and so is applied like a user choice.
    items_->button(selection)->setChecked(true);
    return;
  }
  // An exclusive group never lets its checked button go; lift that briefly.
  QAbstractButton* checked = items_->checkedButton();
  if (!checked) return;
  items_->setExclusive(false);
  checked->setChecked(false);
  items_->setExclusive(true);
}

void TForm3::RadioGroup1Click(int, bool checked) {
  if (checked) ApplyModuleType(ctx_);
}

void TForm3::Button1Click() {
  StartModuleReset(ctx_);
  if (ctx_.forms.form2) ctx_.forms.form2->RefreshProgramCaptions();
  if (ctx_.forms.form6) ctx_.forms.form6->RefreshBankCaptions();
  hide();
}

void TForm3::closeEvent(QCloseEvent* event) {
  // The close box only hides the window: no reset.
  event->ignore();
  hide();
}

}  // namespace tonalyx
