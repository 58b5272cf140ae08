#include "support/WindowTestWorld.h"

#include <fstream>

namespace tonalyx {

WindowTestWorld::WindowTestWorld(const WindowTestSetup& setup)
    : backend(setup.devices),
      path(setup.settings_file.empty() ? dir.filePath(QStringLiteral("tonalyx.ini")).toStdString()
                                       : setup.settings_file),
      ctx(backend, path) {
  if (!setup.settings_text.empty()) std::ofstream(path, std::ios::binary) << setup.settings_text;
  backend.SetFailingDevices(setup.failing_devices);
  ctx.sleep_ms = [this](int milliseconds) { waits.push_back(milliseconds); };
  ctx.show_message = [this](const std::string& text) { messages.push_back(text); };
  ctx.input_backend = &input;
  if (setup.before_start) setup.before_start(ctx);
  forms = std::make_unique<FormSet>(ctx);
  sent_at_creation = backend.ShortMessages();
  if (setup.as_started) return;
  if (!ctx.port.IsOpen()) ctx.port.OpenPort(0);
  if (setup.fill_name_tables) ctx.tables.FillNameTables();
  backend.Clear();
}

QPushButton* WindowTestWorld::Button(QWidget* window, int n) {
  return window->findChild<QPushButton*>(QStringLiteral("Button%1").arg(n));
}

QAbstractButton* WindowTestWorld::TypeItem(int id) const {
  auto* group = ctx.forms.form3->findChild<QButtonGroup*>(QStringLiteral("RadioGroup1"));
  return group ? group->button(id) : nullptr;
}

QString Shown(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))
      .replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace tonalyx
