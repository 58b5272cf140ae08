#include "modules/MapChoice.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QRadioButton>

#include "ui/Retranslation.h"

namespace tonalyx {

void BuildMapChoice(QWidget& window, std::span<const QString> captions,
                    std::function<void(int number)> chosen) {
  auto* box = new QGroupBox(&window);
  box->setObjectName(QStringLiteral("GroupBox1"));
  KeepTranslated(window, [box] {
    box->setTitle(QCoreApplication::translate("tonalyx::MapChoice", "音源マップ"));
  });
  const int rows = static_cast<int>(captions.size());
  box->setGeometry(8, 8, 225, 28 + 24 * rows);
  for (int i = 0; i < rows; ++i) {
    const int number = i + 1;
    // Radio buttons sharing a parent exclude each other.
    auto* button = new QRadioButton(captions[i], box);
    button->setObjectName(QStringLiteral("RadioButton%1").arg(number));
    button->setGeometry(12, 20 + 24 * i, 200, 20);
    if (i == 0) button->setChecked(true);
    QObject::connect(button, &QRadioButton::toggled, button, [chosen, number](bool checked) {
      if (checked) chosen(number);
    });
  }
}

}  // namespace tonalyx
