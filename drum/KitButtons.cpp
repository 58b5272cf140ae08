#include "drum/KitButtons.h"

#include "audition/DrumSequence.h"
#include "ui/PointerEnter.h"
#include "ui/UiLook.h"

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
                                           std::string_view (*kit_name)(int kit), AppContext& ctx) {
  std::vector<QPushButton*> buttons;
  buttons.reserve(places.size());
  for (const KitButtonPlace& place : places) {
    auto* button = new QPushButton(&window);
    button->setObjectName(QStringLiteral("Button%1").arg(place.number));
    button->setGeometry(kLeft + kColumnStride * (place.column - 1),
                        kTop + kRowStride * (place.row - 1), kWidth, kHeight);
    SetCaption(*button, kit_name(place.kit));
    button->setFocusPolicy(Qt::StrongFocus);
    const int kit = place.kit;
    QObject::connect(button, &QPushButton::clicked, &window,
                     [&ctx, kit] { SelectDrumKit(ctx, kit); });
    WhenPointerEnters(*button, [&ctx, kit] {
      SharedState chosen = ctx.state;
      chosen.DrumKit = kit;
      PreloadDrumNote(chosen, chosen.controllers, ctx.port);
    });
    buttons.push_back(button);
  }
  return buttons;
}

void SelectDrumKit(AppContext& ctx, int kit) {
  ctx.state.DrumKit = kit;
  ctx.events.RefreshCaptions(Events::Caption::kDrum);
}

}  // namespace tonalyx
