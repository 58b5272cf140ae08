#include "app/TForm1.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

#include "app/LanguageMenu.h"
#include "app/MainWindowTexts.h"
#include "app/MidiInputChoice.h"
#include "drivers/SystemMidi.h"
#include "midi/ShortMessage.h"
#include "modules/ModuleTypeActions.h"
#include "settings/SettingsFile.h"
#include "ui/AuditionHold.h"
#include "ui/PopupComboBox.h"
#include "ui/Retranslation.h"
#include "ui/UiLook.h"
#include "ui/WindowGeometry.h"

namespace tonalyx {
namespace {
void ShowIfHidden(QWidget* window) {
  if (window != nullptr && !window->isVisible()) window->show();
}
}  // namespace

TForm1::TForm1(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm1"));
  setWindowTitle(QStringLiteral("Tonalyx Main"));
  ApplyDesignFont(*this);
  BuildControls();
  FormCreate();
  KeepTranslated(*this, [this] { Retranslate(); });
}

void TForm1::BuildControls() {
  auto* menu_bar = new QMenuBar(this);
  menu_bar->setObjectName(QStringLiteral("MainMenu1"));
  N1 = menu_bar->addMenu(QString());
  N1->setObjectName(QStringLiteral("N1"));
  N2 = N1->addAction(QString());
  N2->setObjectName(QStringLiteral("N2"));
  N3 = N1->addAction(QString());
  N3->setObjectName(QStringLiteral("N3"));
  input_menu_ = N1->addMenu(QString());
  input_menu_->setObjectName(QStringLiteral("MidiInputMenu"));
  input_ = new MidiInputChoice(ctx_, *input_menu_);
  input_->setParent(this);
  setMenuBar(menu_bar);
  connect(N2, &QAction::triggered, this, [this] { N2Click(); });
  connect(N3, &QAction::triggered, this, [this] { N3Click(); });

  // Design positions are relative to the client area below the menu bar.
  auto* client = new QWidget(this);
  setCentralWidget(client);

  Button1 = new QPushButton(QStringLiteral("Tonalyx"), client);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(8, 0, 97, 33);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

  Button2 = new QPushButton(QStringLiteral("Rhytmalo"), client);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setGeometry(112, 0, 97, 33);
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

  ComboBox1 = new PopupComboBox(client);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setEditable(false);
  // Devices come and go while the program runs: list them afresh each time.
  ComboBox1->SetBeforePopup([this] { RelistDevices(); });
  ComboBox1->setGeometry(8, 40, 201, 20);
  // Only the user's pick is a device change, not a selection made in code.
  connect(ComboBox1, &QComboBox::activated, this,
          [this](int position) { ComboBox1Change(position); });

  Label1 = new QLabel(QStringLiteral("Tonalyx Ver.4.0 bata2"), client);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->move(8, 64);
  Label1->adjustSize();

  // After the design's items and the input menu; the language submenu last.
  export_item_ = N1->addAction(QString());
  export_item_->setObjectName(QStringLiteral("ExportDefinitions"));
  connect(export_item_, &QAction::triggered, this, &TForm1::ExportRequested);
  language_ = new LanguageMenu(*N1);
}

void TForm1::Retranslate() {
  N1->setTitle(MainWindowText(kSettingsMenuTitle));
  N2->setText(MainWindowText(kModuleTypeItem));
  N3->setText(MainWindowText(kToneMapItem));
  input_menu_->setTitle(MainWindowText(kInputMenuTitle));
  export_item_->setText(MainWindowText(kExportItem));
}

void TForm1::FormCreate() {
  ctx_.state.MapIndex = 4;
  ctx_.state.CurrentBank = 0;
  ctx_.state.TestNote = 60;

  std::string saved_name;
  std::string saved_input;
  std::string saved_language;
  {
    const SettingsFile settings = SettingsFile::Open(ctx_.settings_path);
    ReadGeometry(*this, settings, WindowSection(1));
    selected_device_ = settings.ReadInteger("Dev", "Dev_num", 0);
    saved_name = settings.ReadString("Dev", "drum", "none");
    saved_input = settings.ReadString("dev", "midi_in", "");
    saved_language = settings.ReadString("dev", "language", "");
  }
  // Before the other windows are made, so that they start in the language.
  language_->Start(saved_language);
  OpenSavedDevice(saved_name);
  input_->Start(saved_input);
}

void TForm1::OpenSavedDevice(const std::string& saved_name) {
  ComboBox1->clear();
  devices_ = ListOutputDevices(ctx_.port);
  for (const std::string& name : devices_.names) ComboBox1->addItem(QString::fromStdString(name));

  // A name no device has may be one an older program stored in the system's
  // ANSI code page.
  const std::string listed_name =
      devices_.Shows(saved_name) ? saved_name : DeviceNameFromOlderSettings(saved_name);
  const int position = StartPosition(devices_, selected_device_, listed_name);
  if (position < 0) {
    // No output device: nothing to open, the port stays closed.
    selected_device_ = 0;
    return;
  }
  ComboBox1->setCurrentIndex(position);
  selected_device_ = devices_.DeviceTable[static_cast<std::size_t>(position)];

  const StartOpenResult result = OpenStartDevice(ctx_.port, devices_, position, ctx_.sleep_ms);
  // Follow the device actually opened by the fallback, so that the list and
  // the stored settings never name a device that is not in use.
  ComboBox1->setCurrentIndex(result.position);
  selected_device_ = devices_.DeviceTable[static_cast<std::size_t>(result.position)];
  if (!result.opened) ShowMessage(kCannotOpenDevice);
}

void TForm1::Button1Click() {
  ShowInFront(ctx_.forms.form2.Window());
  StartModuleReset(ctx_);
  ctx_.tables.FillNameTables();
  ctx_.events.RefreshCaptions(Events::Caption::kProgram);
}

void TForm1::Button2Click() {
  ShowInFront(ctx_.forms.form4.Window());
  const int saved_type = SettingsFile::Open(ctx_.settings_path).ReadInteger("dev", "type", 0);
  emit SavedModuleTypeRead(saved_type);
  StartModuleReset(ctx_);
  ctx_.tables.FillNameTables();
  ctx_.events.RefreshCaptions(Events::Caption::kDrum);
}

void TForm1::RelistDevices() {
  const int position = ComboBox1->currentIndex();
  const std::string current = position >= 0 && position < devices_.Size()
                                  ? devices_.names[static_cast<std::size_t>(position)]
                                  : std::string();
  devices_ = ListOutputDevices(ctx_.port);
  ComboBox1->clear();
  for (const std::string& name : devices_.names) ComboBox1->addItem(QString::fromStdString(name));
  const auto found = std::find(devices_.names.begin(), devices_.names.end(), current);
  if (position < 0 || found == devices_.names.end()) {
    ComboBox1->setCurrentIndex(-1);  // the device in use has gone
    return;
  }
  const auto at = static_cast<std::size_t>(found - devices_.names.begin());
  ComboBox1->setCurrentIndex(static_cast<int>(at));
  selected_device_ = devices_.DeviceTable[at];
}

void TForm1::ComboBox1Change(int position) {
  if (position < 0 || position >= devices_.Size()) return;
  // A note still held would ring on in the device being closed, and its
  // mouse-up would go to the next one: end it now. The MIDI input's notes
  // too, and it sends nothing until the new device is open.
  AuditionHold::EndAllHeld();
  ctx_.thru.Pause();
  ctx_.port.SendShort(AllSoundOffDrums);
  ctx_.port.ClosePort();
  selected_device_ = devices_.DeviceTable[static_cast<std::size_t>(position)];
  if (!OpenWithRetries(ctx_.port, selected_device_, ctx_.sleep_ms)) ShowMessage(kCannotOpenDevice);
  ctx_.port.ResetPort();
  StartModuleReset(ctx_);
  // Every module type refreshes here, GM2 included.
  ctx_.events.RefreshCaptions(Events::Caption::kDrum | Events::Caption::kProgram);
  ctx_.thru.Resume();
  Wait(kDeviceChangeSettleWaitMs);
}

void TForm1::N2Click() { ShowIfHidden(ctx_.forms.form3.Window()); }

void TForm1::N3Click() {
  // GM and GM2 have no tone maps.
  if (ctx_.state.ModuleType == ModuleKind::kGs) ShowIfHidden(ctx_.forms.form9.Window());
  if (ctx_.state.ModuleType == ModuleKind::kXg) ShowIfHidden(ctx_.forms.form10.Window());
}

void TForm1::closeEvent(QCloseEvent* event) {
  event->accept();
  if (closed_) return;
  closed_ = true;
  FormClose();
  emit Closed();
}

void TForm1::FormClose() {
  // A note still held by an audition button or the MIDI input would ring on
  // after the port is closed: end it while the port is open.
  AuditionHold::EndAllHeld();
  input_->Stop();
  ctx_.port.SendShort(AllSoundOffDrums);
  ctx_.port.ClosePort();

  SettingsFile settings = SettingsFile::Open(ctx_.settings_path);
  WriteGeometry(settings, WindowSection(1), *this);
  const Forms& f = ctx_.forms;
  const QWidget* const others[] = {f.form2.Window(),  f.form3.Window(), f.form4.Window(),
                                   f.form5.Window(),  f.form6.Window(), f.form7.Window(),
                                   f.form8.Window(),  f.form9.Window(), f.form10.Window(),
                                   f.form11.Window(), f.form12.Window()};
  int number = 2;
  for (const QWidget* window : others) {
    const GeometrySection& section = WindowSection(number++);
    if (window != nullptr) WriteGeometry(settings, section, *window);
  }
  settings.WriteInteger("dev", "dev_num", selected_device_);
  const int position = ComboBox1->currentIndex();
  settings.WriteString("dev", "drum",
                       position >= 0 && position < devices_.Size()
                           ? devices_.names[static_cast<std::size_t>(position)]
                           : std::string());
  settings.WriteInteger("dev", "type", StoredModuleType(ctx_.state.selected_type));
  // Only a choice of input made in this run is written: a file in which no
  // input was ever chosen stays as it was.
  if (input_->ChoiceChanged()) settings.WriteString("dev", "midi_in", input_->Chosen());
  if (language_->ChoiceChanged()) settings.WriteString("dev", "language", language_->Chosen());
  // The finder and the edit windows are stored only when they were built;
  // their sections of an earlier run stay as they were otherwise.
  if (f.finder.Window() != nullptr) WriteGeometry(settings, kFinderSection, *f.finder.Window());
  if (f.tone_edit.Window() != nullptr)
    WriteGeometry(settings, kToneEditSection, *f.tone_edit.Window());
  if (f.drum_edit.Window() != nullptr)
    WriteGeometry(settings, kDrumEditSection, *f.drum_edit.Window());
  // A settings file that cannot be written keeps its previous contents; the
  // program ends all the same.
  settings.Store();
}

void TForm1::ShowMessage(const char* text) {
  if (ctx_.show_message) ctx_.show_message(MainWindowText(text).toStdString());
}

void TForm1::Wait(int milliseconds) {
  if (ctx_.sleep_ms) ctx_.sleep_ms(milliseconds);
}

}  // namespace tonalyx
