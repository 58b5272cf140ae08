#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "audition/SharedState.h"
#include "audition/SoundEdits.h"
#include "favouritesfile/FavouritesFile.h"
#include "midi/InputBackend.h"
#include "midi/MidiPort.h"
#include "tables/NameTables.h"
#include "thru/MidiThru.h"
#include "ui/Events.h"
#include "ui/ResetFollowUp.h"

class QWidget;

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
class ExportDialog;
class ToneEditWindow;
class DrumEditWindow;
class FavouritesWindow;

// One window of the registry. Any window may show it or store its geometry
// through Window(). Only code that sees the window's class whole (the program
// entry, the window's own folder, the tests) reaches its members through the
// pointer; other windows learn of its changes through the events instead.
template <typename Form>
class Registered {
 public:
  void Set(Form* form) {
    form_ = form;
    window_ = form;
  }
  QWidget* Window() const { return window_; }
  Form* operator->() const { return form_; }
  Form& operator*() const { return *form_; }
  operator Form*() const { return form_; }

 private:
  Form* form_ = nullptr;
  QWidget* window_ = nullptr;
};

// The windows, reachable by number once created, to show them and to store
// their geometry. A window created earlier than another must not reach it
// from its own creation.
struct Forms {
  Registered<TForm1> form1;
  Registered<TForm2> form2;
  Registered<TForm3> form3;
  Registered<TForm4> form4;
  Registered<TForm5> form5;
  Registered<TForm6> form6;
  Registered<TForm7> form7;
  Registered<TForm8> form8;
  Registered<TForm9> form9;
  Registered<TForm10> form10;
  Registered<TForm11> form11;
  Registered<TForm12> form12;
  Registered<TForm13> form13;
  // The tone finder, built when it is first opened.
  Registered<FinderWindow> finder;
  // The definition file export dialog, built when it is first opened.
  Registered<ExportDialog> exporter;
  // The tone and drum sound edit windows, built when first opened.
  Registered<ToneEditWindow> tone_edit;
  Registered<DrumEditWindow> drum_edit;
  // The favourites window, built when it is first opened.
  Registered<FavouritesWindow> favourites;
};

// Everything the windows share, owned by the program entry (or by a test).
struct AppContext {
  AppContext(MidiBackend& backend, std::filesystem::path settings)
      : port(backend), settings_path(std::move(settings)) {}

  SharedState state;
  NameTables tables;
  MidiPort port;
  // The MIDI input service the input menu lists (none: no input menu
  // entries), and the input played through the port.
  MidiInputBackend* input_backend = nullptr;
  MidiThru thru{port};
  std::filesystem::path settings_path;
  // Blocking wait on the user-interface thread; tests replace it to record
  // the waits instead of sleeping.
  std::function<void(int milliseconds)> sleep_ms;
  // Shows a message to the user (the program entry sets a message box); tests
  // replace it to record the message instead of blocking on a dialog.
  std::function<void(const std::string& text)> show_message;
  // Asks where to save a file: the parent window, the path offered and the
  // file type filter in, the chosen path out, empty when the user cancels.
  // Unset, the system's save dialog asks (it asks before it replaces a
  // file); tests answer themselves.
  std::function<QString(QWidget* parent, const QString& suggested, const QString& filter)>
      choose_save_file;
  // Where the MIDI files made for dragging and copying are written: the
  // program entry names a folder in the user's cache folder.
  std::filesystem::path clip_folder;
  // What the windows tell each other.
  Events events;
  // How the user has shaped the sounds in this run, and what of it goes to
  // the module again after each reset.
  SoundEdits edits;
  ResetFollowUp after_reset{port, edits};
  Forms forms;

  // The favourites, read from their file beside the settings file when they
  // are first asked for, so a run that never uses them never reads it.
  FavouritesFile& Favourites() {
    if (!favourites_) favourites_.emplace(FavouritesFile::BesideSettings(settings_path));
    return *favourites_;
  }

 private:
  std::optional<FavouritesFile> favourites_;
};

}  // namespace tonalyx
