#pragma once

#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "app/AppContext.h"
#include "app/FormSet.h"
#include "midi/RecordingBackend.h"

namespace tonalyx {

// The thirteen windows over a recording backend, with a fresh settings folder,
// the device open and nothing recorded yet.
struct ToneWindowHarness {
  ToneWindowHarness() {
    ctx.sleepMs = [this](int milliseconds) { waits.push_back(milliseconds); };
    forms = std::make_unique<FormSet>(ctx);
    sentAtCreation = backend.ShortMessages();
    if (!ctx.port.IsOpen()) ctx.port.OpenPort(0);
    backend.Clear();
  }

  QTemporaryDir dir;
  RecordingBackend backend;
  AppContext ctx{backend, dir.filePath(QStringLiteral("tonalyx.ini")).toStdString()};
  std::vector<int> waits;
  std::vector<std::uint32_t> sentAtCreation;
  std::unique_ptr<FormSet> forms;
};

}  // namespace tonalyx
