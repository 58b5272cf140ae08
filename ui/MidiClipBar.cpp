#include "ui/MidiClipBar.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDrag>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QSpinBox>
#include <QToolButton>

#include "ui/Retranslation.h"

namespace tonalyx {
namespace {
QString SaveText() { return MidiClipBar::tr("MIDIファイルとして保存…"); }
QString CopyText() { return MidiClipBar::tr("MIDIファイルをコピー"); }
}  // namespace

MidiHandle::MidiHandle(QWidget* parent) : QLabel(QStringLiteral("MIDI"), parent) {
  setObjectName(QStringLiteral("MidiHandle"));
  setFrameShape(QFrame::StyledPanel);
  setAlignment(Qt::AlignCenter);
  setMargin(2);
  setCursor(Qt::OpenHandCursor);
  setContextMenuPolicy(Qt::ActionsContextMenu);
}

void MidiHandle::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_at_ = event->position().toPoint();
  QLabel::mousePressEvent(event);
}

void MidiHandle::mouseMoveEvent(QMouseEvent* event) {
  const bool far_enough = pressed_at_ && (event->buttons() & Qt::LeftButton) &&
                          (event->position().toPoint() - *pressed_at_).manhattanLength() >=
                              QApplication::startDragDistance();
  if (far_enough) {
    pressed_at_.reset();
    emit DragStarted();
  }
  QLabel::mouseMoveEvent(event);
}

MidiClipBar::MidiClipBar(AppContext& context, Source source, QWidget* parent)
    : QWidget(parent),
      ctx_(context),
      source_(std::move(source)),
      channels_{DefaultClipChannel(false), DefaultClipChannel(true)} {
  setObjectName(QStringLiteral("MidiClipBar"));
  handle_ = new MidiHandle(this);
  channel_box_ = new QSpinBox(this);
  channel_box_->setObjectName(QStringLiteral("ChannelBox"));
  channel_box_->setRange(1, 16);
  channel_box_->setPrefix(QStringLiteral("ch "));
  channel_box_->setValue(channels_[0]);
  test_note_box_ = new QCheckBox(this);
  test_note_box_->setObjectName(QStringLiteral("TestNoteBox"));
  test_note_box_->setChecked(true);
  save_ = new QAction(this);
  save_->setObjectName(QStringLiteral("SaveMidiFile"));
  copy_ = new QAction(this);
  copy_->setObjectName(QStringLiteral("CopyMidiFile"));
  handle_->addActions({save_, copy_});
  menu_button_ = new QToolButton(this);
  menu_button_->setObjectName(QStringLiteral("MenuButton"));
  menu_button_->setText(QStringLiteral("…"));
  menu_button_->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(menu_button_);
  menu->addActions({save_, copy_});
  menu_button_->setMenu(menu);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(handle_);
  layout->addWidget(channel_box_);
  layout->addWidget(test_note_box_);
  layout->addWidget(menu_button_);
  layout->addStretch(1);

  connect(handle_, &MidiHandle::DragStarted, this, &MidiClipBar::Drag);
  connect(save_, &QAction::triggered, this, [this] {
    if (const std::optional<ClipRequest> request = Request())
      SaveSongClip(ctx_, window(), *request);
  });
  connect(copy_, &QAction::triggered, this, [this] {
    if (const std::optional<ClipRequest> request = Request()) CopySongClip(ctx_, *request);
  });
  connect(channel_box_, &QSpinBox::valueChanged, this,
          [this](int channel) { channels_[drums_ ? 1 : 0] = channel; });
  connect(&ctx_.events, &Events::ModuleTypeApplied, this, &MidiClipBar::Refresh);
  KeepTranslated(*this, [this] {
    test_note_box_->setText(tr("テストノート"));
    channel_box_->setToolTip(tr("MIDIチャンネル"));
    save_->setText(SaveText());
    copy_->setText(CopyText());
    Refresh();
    // Sized to the texts at once, shown or not, wherever the window puts it.
    adjustSize();
    QWidget::layout()->setGeometry(rect());
  });
}

std::optional<ClipRequest> MidiClipBar::Request() const {
  std::optional<ClipRequest> request = source_();
  if (request) {
    request->options.channel = channels_[request->sound.drums ? 1 : 0];
    request->options.test_note = test_note_box_->isChecked();
  }
  return request;
}

void MidiClipBar::Refresh() {
  const std::optional<ClipRequest> request = source_();
  if (request && request->sound.drums != drums_) ShowChannel(request->sound.drums);
  const bool gm2 = request && request->sound.module_type == ModuleKind::kGm2;
  const bool usable = request && !gm2;
  for (QWidget* control :
       {static_cast<QWidget*>(handle_), static_cast<QWidget*>(channel_box_),
        static_cast<QWidget*>(test_note_box_), static_cast<QWidget*>(menu_button_)})
    control->setEnabled(usable);
  save_->setEnabled(usable);
  copy_->setEnabled(usable);
  handle_->setToolTip(
      gm2 ? tr("GM2 の音は MIDI ファイルにできません（音を選ぶメッセージがありません）")
          : tr("シーケンサーのトラックへドラッグ。右クリックで保存とコピー"));
}

void MidiClipBar::ShowChannel(bool drums) {
  drums_ = drums;
  const QSignalBlocker quiet(channel_box_);
  channel_box_->setValue(channels_[drums ? 1 : 0]);
}

void MidiClipBar::Drag() {
  const std::optional<ClipRequest> request = Request();
  if (!request) return;
  std::unique_ptr<QMimeData> data = SongClipMimeData(ctx_, *request);
  if (!data) return;
  auto* drag = new QDrag(handle_);
  drag->setMimeData(data.release());
  drag->setPixmap(handle_->grab());
  drag->exec(Qt::CopyAction);
}

void AddClipItems(QMenu& menu, AppContext& ctx, std::function<ClipRequest()> request) {
  QAction* save = menu.addAction(QString());
  save->setObjectName(QStringLiteral("SaveMidiFile"));
  QAction* copy = menu.addAction(QString());
  copy->setObjectName(QStringLiteral("CopyMidiFile"));
  QObject::connect(save, &QAction::triggered, &menu, [&ctx, &menu, request] {
    QWidget* owner = menu.parentWidget();
    SaveSongClip(ctx, owner != nullptr ? owner->window() : nullptr, request());
  });
  QObject::connect(copy, &QAction::triggered, &menu,
                   [&ctx, request] { CopySongClip(ctx, request()); });
  KeepTranslated(menu, [save, copy] {
    save->setText(SaveText());
    copy->setText(CopyText());
  });
}

}  // namespace tonalyx
