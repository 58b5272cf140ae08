#include "drum/KitButtons.h"

#include "app/UiLook.h"
#include "drum/TForm4.h"

namespace tonalyx {
namespace {
constexpr int kLeft = 8;
constexpr int kColumnStride = 104;
constexpr int kTop = 8;
constexpr int kRowStride = 16;
constexpr int kWidth = 105;
constexpr int kHeight = 17;
}  // namespace

std::vector<QPushButton*> CreateKitButtons(QWidget& window, std::span<const KitButtonPlace> places,
                                           std::string_view (*kitName)(int kit), AppContext& ctx) {
  std::vector<QPushButton*> buttons;
  buttons.reserve(places.size());
  for (const KitButtonPlace& place : places) {
    auto* button = new QPushButton(&window);
    button->setObjectName(QStringLiteral("Button%1").arg(place.number));
    button->setGeometry(kLeft + kColumnStride * (place.column - 1),
                        kTop + kRowStride * (place.row - 1), kWidth, kHeight);
    SetCaption(*button, kitName(place.kit));
    button->setFocusPolicy(Qt::StrongFocus);
    const int kit = place.kit;
    QObject::connect(button, &QPushButton::clicked, &window,
                     [&ctx, kit] { SelectDrumKit(ctx, kit); });
    buttons.push_back(button);
  }
  return buttons;
}

void SelectDrumKit(AppContext& ctx, int kit) {
  ctx.state.DrumKit = kit;
  if (ctx.forms.form4 != nullptr) ctx.forms.form4->RefreshDrumCaptions();
}

}  // namespace tonalyx
