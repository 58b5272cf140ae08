#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "app/SharedState.h"
#include "midi/MidiPort.h"
#include "tables/NameTables.h"

namespace tonalyx {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm12;
class TForm13;
class FinderWindow;

// The windows, reachable by number once created. A window created earlier
// than another must not reach it from its own creation.
struct Forms {
  TForm1* form1 = nullptr;
  TForm2* form2 = nullptr;
  TForm3* form3 = nullptr;
  TForm4* form4 = nullptr;
  TForm5* form5 = nullptr;
  TForm6* form6 = nullptr;
  TForm7* form7 = nullptr;
  TForm8* form8 = nullptr;
  TForm9* form9 = nullptr;
  TForm10* form10 = nullptr;
  TForm11* form11 = nullptr;
  TForm12* form12 = nullptr;
  TForm13* form13 = nullptr;
  // The tone finder, built when it is first opened.
  FinderWindow* finder = nullptr;
};

// Everything the windows share, owned by the program entry (or by a test).
struct AppContext {
  AppContext(MidiBackend& backend, std::filesystem::path settings)
      : port(backend), settingsPath(std::move(settings)) {}

  SharedState state;
  NameTables tables;
  MidiPort port;
  std::filesystem::path settingsPath;
  // Blocking wait on the user-interface thread; tests replace it to record
  // the waits instead of sleeping.
  std::function<void(int milliseconds)> sleepMs;
  // Shows a message to the user (the program entry sets a message box); tests
  // replace it to record the message instead of blocking on a dialog.
  std::function<void(const std::string& text)> showMessage;
  Forms forms;
};

}  // namespace tonalyx
