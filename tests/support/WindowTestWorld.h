#pragma once

// The shared fixture of the window tests: the windows of one program run,
// made as the program makes them, over a recording backend and a settings
// file in a fresh folder. Waits and messages to the user are recorded, not
// performed.

#include <QButtonGroup>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/FormSet.h"
#include "modules/TForm3.h"
#include "support/FakeInputBackend.h"
#include "support/ModuleKindCompare.h"
#include "support/RecordingBackend.h"
#include "ui/AppContext.h"

namespace tonalyx {

// How a test world starts.
struct WindowTestSetup {
  // The devices the backend lists; an empty entry cannot be read.
  std::vector<std::optional<std::string>> devices = {"Recording MIDI Out"};
  // Devices whose open fails.
  std::set<int> failing_devices;
  // The settings file's text before the windows are made, if any.
  std::string settings_text;
  // A settings file to use instead of one in the world's own folder.
  std::string settings_file;
  // Runs on the context before the windows are made.
  std::function<void(AppContext&)> before_start;
  // Leaves the port, the name tables and the recording as the start left
  // them. Otherwise the device is open, the tables filled (if asked) and
  // nothing recorded yet.
  bool as_started = false;
  bool fill_name_tables = true;
};

struct WindowTestWorld {
  explicit WindowTestWorld(const WindowTestSetup& setup = WindowTestSetup());
  WindowTestWorld(const WindowTestWorld&) = delete;
  WindowTestWorld& operator=(const WindowTestWorld&) = delete;

  // Button n of a window of 128 buttons.
  static QPushButton* Button(QWidget* window, int n);
  // Item id of the module type window's RadioGroup1.
  QAbstractButton* TypeItem(int id) const;

  QTemporaryDir dir;
  RecordingBackend backend;
  // The MIDI inputs the input menu lists: "Fake Keys".
  FakeInputBackend input;
  std::string path;  // the settings file
  AppContext ctx;
  std::vector<int> waits;
  std::vector<std::string> messages;
  // The short messages sent while the windows were made.
  std::vector<std::uint32_t> sent_at_creation;
  std::unique_ptr<FormSet> forms;
};

// A table name as a caption keeps it: ampersands doubled so none is a mnemonic.
QString Shown(std::string_view name);

}  // namespace tonalyx
