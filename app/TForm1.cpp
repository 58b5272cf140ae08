#include "app/TForm1.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "app/AuditionHold.h"
#include "app/UiLook.h"
#include "app/WindowGeometry.h"
#include "drum/TForm11.h"
#include "drum/TForm4.h"
#include "drum/TForm5.h"
#include "midi/ShortMessage.h"
#include "modules/ModuleTypeActions.h"
#include "modules/TForm10.h"
#include "modules/TForm3.h"
#include "modules/TForm9.h"
#include "search/FinderWindow.h"
#include "settings/SettingsFile.h"
#include "tone/TForm12.h"
#include "tone/TForm2.h"
#include "tone/TForm6.h"
#include "tone/TForm7.h"
#include "tone/TForm8.h"

namespace tonalyx {
namespace {
const char* const kCannotOpen = "ＭＩＤＩデバイスが開けません";

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
}

void TForm1::BuildControls() {
  auto* menuBar = new QMenuBar(this);
  menuBar->setObjectName(QStringLiteral("MainMenu1"));
  N1 = menuBar->addMenu(QStringLiteral("設定"));
  N1->setObjectName(QStringLiteral("N1"));
  N2 = N1->addAction(QStringLiteral("音源の種類の設定"));
  N2->setObjectName(QStringLiteral("N2"));
  N3 = N1->addAction(QStringLiteral("音源マップの設定"));
  N3->setObjectName(QStringLiteral("N3"));
  setMenuBar(menuBar);
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

  ComboBox1 = new QComboBox(client);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setEditable(false);
  ComboBox1->setGeometry(8, 40, 201, 20);
  // Only the user's pick is a device change, not a selection made in code.
  connect(ComboBox1, &QComboBox::activated, this,
          [this](int position) { ComboBox1Change(position); });

  Label1 = new QLabel(QStringLiteral("Tonalyx Ver.4.0 bata2"), client);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->move(8, 64);
  Label1->adjustSize();
}

void TForm1::FormCreate() {
  ctx_.state.MapIndex = 4;
  ctx_.state.CurrentBank = 0;
  ctx_.state.TestNote = 60;

  std::string savedName;
  {
    const SettingsFile settings = SettingsFile::Open(ctx_.settingsPath);
    ReadGeometry(*this, settings, "window", {127, 242, 159, 193});
    selectedDevice_ = settings.ReadInteger("Dev", "Dev_num", 0);
    savedName = settings.ReadString("Dev", "drum", "none");
  }

  ComboBox1->clear();
  devices_ = ListOutputDevices(ctx_.port.Backend());
  for (const std::string& name : devices_.names) ComboBox1->addItem(QString::fromStdString(name));

  const int position = StartPosition(devices_, selectedDevice_, savedName);
  if (position < 0) {
    // No output device: nothing to open, the port stays closed.
    selectedDevice_ = 0;
    return;
  }
  ComboBox1->setCurrentIndex(position);
  selectedDevice_ = devices_.DeviceTable[static_cast<std::size_t>(position)];

  const StartOpenResult result = OpenStartDevice(ctx_.port, devices_, position, ctx_.sleepMs);
  // Follow the device actually opened by the fallback, so that the list and
  // the stored settings never name a device that is not in use.
  ComboBox1->setCurrentIndex(result.position);
  selectedDevice_ = devices_.DeviceTable[static_cast<std::size_t>(result.position)];
  if (!result.opened) ShowMessage(kCannotOpen);
}

void TForm1::Button1Click() {
  ShowInFront(ctx_.forms.form2);
  StartModuleReset(ctx_);
  ctx_.tables.FillNameTables();
  if (ctx_.forms.form2 != nullptr) ctx_.forms.form2->RefreshProgramCaptions();
}

void TForm1::Button2Click() {
  ShowInFront(ctx_.forms.form4);
  const int savedType = SettingsFile::Open(ctx_.settingsPath).ReadInteger("dev", "type", 0);
  if (ctx_.forms.form3 != nullptr) ctx_.forms.form3->RestoreSelection(savedType);
  StartModuleReset(ctx_);
  ctx_.tables.FillNameTables();
  if (ctx_.forms.form4 != nullptr) ctx_.forms.form4->RefreshDrumCaptions();
}

void TForm1::ComboBox1Change(int position) {
  if (position < 0 || position >= devices_.size()) return;
  // A note still held would ring on in the device being closed, and its
  // mouse-up would go to the next one: end it now.
  AuditionHold::EndAllHeld();
  ctx_.port.SendShort(AllSoundOffDrums);
  ctx_.port.ClosePort();
  selectedDevice_ = devices_.DeviceTable[static_cast<std::size_t>(position)];
  if (!OpenWithRetries(ctx_.port, selectedDevice_, ctx_.sleepMs)) ShowMessage(kCannotOpen);
  ctx_.port.ResetPort();
  StartModuleReset(ctx_);
  if (ctx_.forms.form4 != nullptr) ctx_.forms.form4->RefreshDrumCaptions();
  if (ctx_.forms.form2 != nullptr) ctx_.forms.form2->RefreshProgramCaptions();
  Wait(kDeviceChangeSettleWaitMs);
}

void TForm1::N2Click() { ShowIfHidden(ctx_.forms.form3); }

void TForm1::N3Click() {
  switch (ctx_.state.ModuleType) {
    case 0:
      ShowIfHidden(ctx_.forms.form9);
      break;
    case 1:
      ShowIfHidden(ctx_.forms.form10);
      break;
    default:
      break;
  }
}

void TForm1::closeEvent(QCloseEvent* event) {
  event->accept();
  if (closed_) return;
  closed_ = true;
  FormClose();
  emit Closed();
}

void TForm1::FormClose() {
  // A note still held by an audition button would ring on after the port is
  // closed: end it while the port is open.
  AuditionHold::EndAllHeld();
  ctx_.port.SendShort(AllSoundOffDrums);
  ctx_.port.ClosePort();

  SettingsFile settings = SettingsFile::Open(ctx_.settingsPath);
  WriteGeometry(settings, "window", *this);
  const Forms& f = ctx_.forms;
  const QWidget* const others[] = {f.form2, f.form3, f.form4,  f.form5,  f.form6, f.form7,
                                   f.form8, f.form9, f.form10, f.form11, f.form12};
  int number = 2;
  for (const QWidget* window : others) {
    const std::string section = "Window" + std::to_string(number++);
    if (window != nullptr) WriteGeometry(settings, section, *window);
  }
  settings.WriteInteger("dev", "dev_num", selectedDevice_);
  const int position = ComboBox1->currentIndex();
  settings.WriteString("dev", "drum",
                       position >= 0 && position < devices_.size()
                           ? devices_.names[static_cast<std::size_t>(position)]
                           : std::string());
  settings.WriteInteger("dev", "type", f.form3 != nullptr ? f.form3->Selection() : 0);
  // The finder is stored only when it was built; its section of an earlier
  // run stays as it was otherwise.
  if (f.finder != nullptr) WriteGeometry(settings, FinderWindow::kSection, *f.finder);
  // A settings file that cannot be written keeps its previous contents; the
  // program ends all the same.
  settings.Store();
}

void TForm1::ShowMessage(const char* text) {
  if (ctx_.showMessage) ctx_.showMessage(text);
}

void TForm1::Wait(int milliseconds) {
  if (ctx_.sleepMs) ctx_.sleepMs(milliseconds);
}

}  // namespace tonalyx
