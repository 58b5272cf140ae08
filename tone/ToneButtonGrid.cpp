#include "tone/ToneButtonGrid.h"

#include <QString>

#include "audition/ToneSequence.h"
#include "tone/ToneAudition.h"
#include "ui/AuditionButton.h"
#include "ui/PointerEnter.h"

namespace tonalyx {

std::array<AuditionButton*, 128> CreateToneButtonGrid(QWidget& parent, int top, AppContext& ctx,
                                                      int SharedState::*stored_number) {
  std::array<AuditionButton*, 128> buttons{};
  for (int n = 1; n <= 128; ++n) {
    const int k = n - 1;
    const int block = k / 64;
    const int column = (k % 64) / 16;
    const int row = k % 16;
    auto* button = new AuditionButton(n, &parent);
    button->setObjectName(QStringLiteral("Button%1").arg(n));
    button->setGeometry(8 + 176 * column, top + 264 * block + 16 * row, 177, 17);
    QObject::connect(button, &AuditionButton::Down, button, [&ctx, stored_number](int number) {
      ctx.state.*stored_number = number - 1;
      PlayTone(ctx);
    });
    QObject::connect(button, &AuditionButton::Up, button, [&ctx](int) { ReleaseTone(ctx); });
    WhenPointerEnters(*button, [&ctx, stored_number, k] {
      SharedState pressed = ctx.state;
      pressed.*stored_number = k;
      PreloadTone(ctx.port, pressed, pressed.controllers);
    });
    buttons[static_cast<std::size_t>(k)] = button;
  }
  return buttons;
}

}  // namespace tonalyx
