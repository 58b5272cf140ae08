#pragma once

#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "ui/AppContext.h"
#include "ui/SongClipOut.h"

class QAction;
class QCheckBox;
class QMenu;
class QSpinBox;
class QToolButton;

namespace tonalyx {

// The handle labelled "MIDI": dragging it drops the clip into a sequencer;
// its context menu offers saving and copying.
class MidiHandle : public QLabel {
  Q_OBJECT

 public:
  explicit MidiHandle(QWidget* parent);

 signals:
  // The mouse has moved far enough with a button held to start a drag.
  void DragStarted();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  std::optional<QPoint> pressed_at_;
};

// How a window hands its sound to a song: the "MIDI" handle to drag, the
// channel beside it (1, or 10 for drum sounds, until the user picks another;
// each kind keeps its own), the check box that leaves the test note out, and
// the actions that save and copy the clip. Everything is disabled while the
// window has no sound to give, and while the sound is a GM2 one, which the
// handle's tip explains.
class MidiClipBar : public QWidget {
  Q_OBJECT

 public:
  // The sound and name the clip is made of now; nothing while there is none.
  using Source = std::function<std::optional<ClipRequest>()>;

  MidiClipBar(AppContext& context, Source source, QWidget* parent);

  // The clip the bar would give now, with the user's channel and test note.
  std::optional<ClipRequest> Request() const;
  QAction* SaveAction() const { return save_; }
  QAction* CopyAction() const { return copy_; }
  // The source's sound has changed: follow its kind and whether it has one.
  void Refresh();

 private:
  void Drag();
  void ShowChannel(bool drums);

  AppContext& ctx_;
  Source source_;
  MidiHandle* handle_;
  QSpinBox* channel_box_;
  QCheckBox* test_note_box_;
  QToolButton* menu_button_;
  QAction* save_;
  QAction* copy_;
  // The channel chosen for tones and for drum sounds.
  std::array<int, 2> channels_;
  bool drums_ = false;
};

// Adds "MIDIファイルとして保存…" and "MIDIファイルをコピー" to a window's menu
// without a bar: the clip `request` gives, on its default channel with the
// test note.
void AddClipItems(QMenu& menu, AppContext& ctx, std::function<ClipRequest()> request);

}  // namespace tonalyx
