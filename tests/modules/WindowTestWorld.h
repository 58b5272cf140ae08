#pragma once

// What the window tests of the module type and tone windows share: the
// thirteen windows over a recording backend, with the names filled and the
// port open, and a few ways to reach their controls.

#include <QButtonGroup>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>
#include <string_view>

#include "app/AppContext.h"
#include "app/FormSet.h"
#include "midi/RecordingBackend.h"
#include "modules/TForm3.h"

namespace tonalyx {

struct WindowTestWorld {
  QTemporaryDir dir;
  RecordingBackend backend;
  AppContext ctx{backend, (dir.path() + QStringLiteral("/tonalyx.ini")).toStdString()};
  std::unique_ptr<FormSet> forms;

  WindowTestWorld() {
    ctx.sleepMs = [](int) {};
    forms = std::make_unique<FormSet>(ctx);
    if (!ctx.port.IsOpen()) ctx.port.OpenPort(0);
    ctx.tables.FillNameTables();
    backend.Clear();
  }

  // Button n of a window of 128 buttons.
  static QPushButton* Button(QWidget* window, int n) {
    return window->findChild<QPushButton*>(QStringLiteral("Button%1").arg(n));
  }
  // Item id of the module type window's RadioGroup1.
  QAbstractButton* TypeItem(int id) const {
    auto* group = ctx.forms.form3->findChild<QButtonGroup*>(QStringLiteral("RadioGroup1"));
    return group ? group->button(id) : nullptr;
  }
};

// A table name as a caption keeps it: ampersands doubled so none is a mnemonic.
inline QString Shown(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))
      .replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace tonalyx
