// Plays a stand-in keyboard (a JACK source client) into the real windows
// (offscreen) over the real system MIDI input and output:
//
//   tonalyx_e2e_keyboard <device name> thru | flood
//
// thru: channel messages of every kind on channels other than 1, data bytes
// without a status, a velocity-0 note-on, cut-short messages, clock, active
// sensing and system exclusive messages, one left open; a bank select and
// program change, whose tone the program, bank and information windows must
// then show; a note held while the drum note window becomes active, notes on
// the drum channel, one still held when the module type changes to GM, and a
// program change under GM.
// flood: 10,000 note on/off pairs within a second, a message cut short and a
// 1 MB system exclusive message, then a program change that the window must
// take within two seconds, and a last note; played into the stand-in
// keyboard's own input (the capture client cannot keep up), where no note
// may be left sounding.
// Exit status: 0 done, 2 usage, 3 no device of that name, 4 an open failed,
// 6 a window did not show what it must.

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <fstream>
#include <string_view>
#include <vector>

#include "app/FormSet.h"
#include "app/TForm1.h"
#include "drivers/RtMidiInput.h"
#include "drivers/RtMidiOutput.h"
#include "drum/TForm4.h"
#include "modules/TForm3.h"
#include "tests/e2e/KeyboardSource.h"
#include "tone/TForm12.h"
#include "ui/AppContext.h"

namespace tonalyx {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Queues events and waits until the source has written them and the program
// has had `settle_ms` to pass them on.
void Play(KeyboardSource& keys, const std::vector<Bytes>& events, int settle_ms = 200) {
  for (const Bytes& event : events) {
    while (!keys.Send(event)) QTest::qWait(5);
  }
  while (!keys.Drained()) QTest::qWait(5);
  QTest::qWait(settle_ms);
}

bool Check(bool ok, const char* what) {
  if (!ok) std::fprintf(stderr, "FAIL: %s\n", what);
  return ok;
}

QString LabelText(QWidget* window, int n) {
  return window->findChild<QLabel*>(QStringLiteral("Label%1").arg(n))->text();
}

bool Activate(QWidget* window) {
  window->activateWindow();
  if (!Check(QTest::qWaitForWindowActive(window), "a window did not become active")) return false;
  QTest::qWait(100);
  return true;
}

bool PlayThru(AppContext& ctx, KeyboardSource& keys) {
  Play(keys, {{0x93, 0x3C, 0x64},  // note on, channel 4
              {0x3E, 0x50},        // data without a status: nothing
              {0xF8},              // clock and active sensing: not passed on
              {0xFE},
              {0x83, 0x3C, 0x40},  // note off with its velocity
              {0x93, 0x3E, 0x00},  // note on with velocity 0
              {0xE5, 0x12, 0x34},  // pitch bend, 14 bits
              {0xA1, 0x3C, 0x20},  // polyphonic and channel aftertouch
              {0xD1, 0x30},
              {0xB2, 0x40, 0x7F},  // sustain pedal down and up
              {0xB2, 0x40, 0x00},
              {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7},
              {0x92, 0x3C},  // cut short
              {0x82, 0x3C, 0x00},
              // System exclusive left open, then a note cut short, its
              // missing data and the end of system exclusive: no note.
              {0xF0, 0x43, 0x10, 0x4C},
              {0x90, 0x3C},
              {0x3C, 0x64},
              {0xF7}});
  // Program 24 in bank 8: the window thread selects it.
  Play(keys, {{0xB4, 0x00, 0x08}, {0xB4, 0x20, 0x00}, {0xC4, 0x18}}, 400);
  const std::string_view name = ctx.tables.GsTone(25, 8, ctx.state.MapIndex);
  QWidget* info = ctx.forms.form12.Window();
  if (!Check(ctx.state.CurrentProgram == 24 && ctx.state.CurrentBank == 8,
             "the program change did not select program 24 of bank 8") ||
      !Check(LabelText(info, 2) == "24" && LabelText(info, 4) == "8" &&
                 LabelText(info, 6) ==
                     QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
             "the information window does not show the tone"))
    return false;

  // The drum button's module reset ends what the keyboard holds; a note held
  // after it, while the drum note window becomes active, ends on channel 1.
  ctx.forms.form1->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
  if (!Activate(ctx.forms.form1)) return false;
  Play(keys, {{0x90, 0x30, 0x64}});
  if (!Activate(ctx.forms.form4.Window())) return false;
  Play(keys, {{0x80, 0x30, 0x00}, {0x91, 0x24, 0x64}, {0x81, 0x24, 0x00}, {0x91, 0x26, 0x64}});

  // Under GM a program change selects bank 0, as the GM press does, whatever
  // bank the keyboard chose.
  if (!Activate(ctx.forms.form1)) return false;
  QWidget* module_type = ctx.forms.form3.Window();
  module_type->findChild<QRadioButton*>(QStringLiteral("RadioGroup1Item2"))->click();
  module_type->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
  Play(keys, {{0xB0, 0x00, 0x08}, {0xC0, 0x10}}, 400);
  return Check(ctx.state.CurrentProgram == 16, "the GM program change did not select program 16");
}

bool PlayFlood(AppContext& ctx, KeyboardSource& keys) {
  // 100 bursts of 100 pairs, one every 10 ms.
  for (int burst = 0; burst < 100; ++burst) {
    std::vector<Bytes> pairs;
    for (int i = 0; i < 100; ++i) {
      const auto note = static_cast<std::uint8_t>(36 + (burst + i) % 48);
      pairs.push_back({0x90, note, 0x64});
      pairs.push_back({0x80, note, 0x00});
    }
    for (const Bytes& event : pairs) keys.Send(event);
    QTest::qWait(10);
  }
  Play(keys, {{0x90, 0x40}, {0x90, 0x41, 0x64}, {0x80, 0x41, 0x00}});
  // 1 MB of system exclusive, in events of 1000 bytes.
  std::vector<Bytes> sys_ex;
  for (int at = 0; at < 1 << 20; at += 1000) {
    Bytes piece(1000, 0x55);
    if (at == 0) piece.front() = 0xF0;
    if (at + 1000 >= 1 << 20) piece.back() = 0xF7;
    sys_ex.push_back(std::move(piece));
  }
  Play(keys, sys_ex, 0);
  QElapsedTimer answered;
  answered.start();
  Play(keys, {{0xC0, 0x05}}, 0);
  while (ctx.state.CurrentProgram != 5 && answered.elapsed() < 2000) QTest::qWait(5);
  if (!Check(ctx.state.CurrentProgram == 5, "the program change was not taken within 2 s"))
    return false;
  Play(keys, {{0x90, 0x3C, 0x64}, {0x80, 0x3C, 0x00}}, 500);
  std::printf("PASS: %d of 10002 notes came through the flood\n", keys.NotesReceived());
  return Check(keys.NotesReceived() > 0 && keys.NotesSounding() == 0,
               "a note was left sounding after the flood");
}

int Run(int argc, char** argv) {
  const std::string_view mode = argc == 3 ? argv[2] : "";
  if (mode != "thru" && mode != "flood") {
    std::fprintf(stderr, "usage: %s <device name> thru|flood\n", argv[0]);
    return 2;
  }
  QApplication app(argc, argv);
  KeyboardSource keys("keys");
  if (!keys.Ok()) return 4;
  RtMidiOutput backend;
  RtMidiInput input;
  // The flood is too fast for the capture client to keep every message: the
  // stand-in keyboard follows the notes itself, as the sound module.
  const std::string device = mode == "flood" ? keys.InputName() : argv[1];
  int id = -1;
  for (int i = 0; i < backend.DeviceCount() && id < 0; ++i)
    if (backend.DeviceName(i) == device) id = i;
  if (id < 0) {
    std::fprintf(stderr, "no MIDI output device named \"%s\"\n", device.c_str());
    return 3;
  }

  QTemporaryDir dir;
  const std::string settings = (dir.path() + QStringLiteral("/tonalyx.ini")).toStdString();
  std::ofstream(settings) << "[Dev]\nDev_num=" << id << "\ndrum=" << device
                          << "\nmidi_in=" << keys.PortName() << "\n";

  AppContext ctx(backend, settings);
  ctx.input_backend = &input;
  ctx.sleep_ms = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
  ctx.show_message = [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); };
  FormSet forms(ctx);
  if (!ctx.port.IsOpen() || !ctx.thru.IsOpen()) return 4;
  ctx.forms.form1->show();
  QTest::qWait(200);  // the input's connection enters the graph

  const bool ok = mode == "thru" ? PlayThru(ctx, keys) : PlayFlood(ctx, keys);
  ctx.forms.form1->close();
  return ok ? 0 : 6;
}

}  // namespace
}  // namespace tonalyx

int main(int argc, char** argv) { return tonalyx::Run(argc, argv); }
