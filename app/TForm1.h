#pragma once

#include <QMainWindow>

#include "midi/DeviceOpening.h"
#include "ui/AppContext.h"

class QPushButton;
class QLabel;
class QAction;
class QMenu;

namespace tonalyx {

class MidiInputChoice;
class LanguageMenu;
class PopupComboBox;

// The main window: chooses and opens the MIDI output device, opens the tone
// and drum windows, offers the settings menu, and on close silences the
// rhythm channel, closes the device, stores the settings and ends the program.
class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(AppContext& context);

  // The device identifier in use, as written to the settings at close.
  int SelectedDevice() const { return selected_device_; }
  const DeviceList& Devices() const { return devices_; }

  void Button1Click();
  void Button2Click();
  // The user picked the list entry at a position.
  void ComboBox1Change(int position);
  void N2Click();
  void N3Click();
  // Lists the output devices again, keeping the selected one by name.
  void RelistDevices();
  MidiInputChoice& Input() { return *input_; }

 signals:
  // The drum button has read the saved module type; the module type window
  // puts it into its selection (with its full effect) before the button goes
  // on to the module reset.
  void SavedModuleTypeRead(int saved_type);
  // The user asked to write a definition file for a sequencer.
  void ExportRequested();
  // The main window has closed: settings are stored and the program ends.
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void FormClose();
  void BuildControls();
  // Sets the menu texts in the program's language.
  void Retranslate();
  void OpenSavedDevice(const std::string& saved_name);
  void ShowMessage(const char* text);
  void Wait(int milliseconds);

  AppContext& ctx_;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  PopupComboBox* ComboBox1 = nullptr;
  QLabel* Label1 = nullptr;
  QMenu* N1 = nullptr;
  QAction* N2 = nullptr;
  QAction* N3 = nullptr;
  QMenu* input_menu_ = nullptr;
  MidiInputChoice* input_ = nullptr;
  QAction* export_item_ = nullptr;
  LanguageMenu* language_ = nullptr;

  DeviceList devices_;
  int selected_device_ = 0;
  bool closed_ = false;
};

}  // namespace tonalyx
