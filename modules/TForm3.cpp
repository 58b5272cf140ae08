#include "modules/TForm3.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "modules/ModuleTypeActions.h"
#include "ui/Retranslation.h"
#include "ui/UiLook.h"
#include "ui/WindowGeometry.h"

namespace tonalyx {

TForm3::TForm3(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm3"));
  ApplyDesignFont(*this);

  RadioGroup1_ = new QGroupBox(this);
  RadioGroup1_->setObjectName(QStringLiteral("RadioGroup1"));
  RadioGroup1_->setGeometry(8, 8, 135, 105);
  items_ = new QButtonGroup(RadioGroup1_);
  items_->setObjectName(QStringLiteral("RadioGroup1"));
  items_->setExclusive(true);
  // Each item's id is the value of its module type.
  const struct {
    ModuleKind type;
    QString caption;
  } items[] = {{ModuleKind::kGs, QStringLiteral("GS")},
               {ModuleKind::kXg, QStringLiteral("XG")},
               {ModuleKind::kGm, QStringLiteral("GM")},
               {ModuleKind::kGm2, QString()}};
  for (const auto& [type, caption] : items) {
    const int id = static_cast<int>(type);
    auto* item = new QRadioButton(caption, RadioGroup1_);
    item->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(id));
    item->setGeometry(10, 20 + 20 * id, 115, 18);
    items_->addButton(item, id);
  }
  KeepTranslated(*this, [this] {
    setWindowTitle(tr("音源の種類"));
    RadioGroup1_->setTitle(tr("音源の種類"));
    items_->button(static_cast<int>(ModuleKind::kGm2))->setText(tr("GM2(未実装）"));
  });
  items_->button(static_cast<int>(ModuleKind::kGs))->setChecked(true);
  ctx_.state.selected_type = Selection();
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

  ReadGeometry(*this, ctx_.settings_path, WindowSection(3));
}

std::optional<ModuleKind> TForm3::Selection() const {
  return ModuleTypeFromStored(items_->checkedId());
}

void TForm3::RestoreSelection(int saved_type) {
  if (const std::optional<ModuleKind> type = ModuleTypeFromStored(saved_type)) {
    // A different item emits idToggled and so is applied like a user choice.
    items_->button(static_cast<int>(*type))->setChecked(true);
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
  // Both the item let go and the item taken report here; the state follows
  // the group either way, and only the item taken is a choice.
  ctx_.state.selected_type = Selection();
  if (checked) ApplyModuleType(ctx_);
}

void TForm3::Button1Click() {
  StartModuleReset(ctx_);
  ctx_.events.RefreshCaptions(Events::Caption::kProgram | Events::Caption::kBank);
  hide();
}

}  // namespace tonalyx
