#include "ui/SongClipOut.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>
#include <chrono>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "settings/AtomicFile.h"
#include "ui/FilePathText.h"

namespace tonalyx {
namespace {
constexpr char kContext[] = "tonalyx::SongClip";
constexpr const char* kNoClipGm2 = QT_TRANSLATE_NOOP(
    "tonalyx::SongClip", "GM2 では音を選ぶメッセージを送らないため、MIDIファイルにできません。");
// %1: the folder.
constexpr const char* kNoClipFolder =
    QT_TRANSLATE_NOOP("tonalyx::SongClip", "MIDIファイルを一時フォルダー %1 に書けません。");
constexpr const char* kSaveCaption = QT_TRANSLATE_NOOP("tonalyx::SongClip", "MIDIファイルの保存先");
constexpr const char* kSaveFilter = QT_TRANSLATE_NOOP("tonalyx::SongClip", "MIDIファイル (*.mid)");
// %1: the file, %2: its folder.
constexpr const char* kSaveNoFolder =
    QT_TRANSLATE_NOOP("tonalyx::SongClip", "%1 を保存できません。\nフォルダー %2 がありません。");
constexpr const char* kSaveFailed = QT_TRANSLATE_NOOP(
    "tonalyx::SongClip",
    "%1 を保存できません。\nフォルダーに書き込めないか、ディスクに空きがありません。"
    "\n元のファイルはそのままです。");
constexpr char kMidiType[] = "audio/midi";

QString Text(const char* text) { return QCoreApplication::translate(kContext, text); }

std::filesystem::path PathOf(const QString& path) {
  return std::filesystem::path(path.toStdU16String());
}

void Tell(AppContext& ctx, const QString& text) {
  if (ctx.show_message) ctx.show_message(text.toStdString());
}

// The clip, or nothing after telling the user that GM2 has none.
std::optional<SongClip> Make(AppContext& ctx, const ClipRequest& request) {
  std::optional<SongClip> clip =
      MakeSongClip(request.sound, request.name, ctx.state, request.options, ctx.edits);
  if (!clip) Tell(ctx, Text(kNoClipGm2));
  return clip;
}

// The folder the save dialog opens in: where the last clip was saved.
QString& SaveFolder() {
  static QString folder = QDir::homePath();
  return folder;
}

// Whether the file holds exactly these bytes already: a clip dragged or
// copied before. A sequencer may keep it open, and Windows cannot replace a
// file that is open.
bool HoldsBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  const std::string held{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  return held == bytes;
}

}  // namespace

std::unique_ptr<QMimeData> SongClipMimeData(AppContext& ctx, const ClipRequest& request) {
  const std::optional<SongClip> clip = Make(ctx, request);
  if (!clip) return nullptr;
  const std::filesystem::path path =
      ctx.clip_folder / PathOf(QString::fromStdString(clip->file_name));
  std::error_code error;
  if (!ctx.clip_folder.empty()) std::filesystem::create_directories(ctx.clip_folder, error);
  if (ctx.clip_folder.empty() ||
      !(HoldsBytes(path, clip->bytes) || ReplaceFileAtomically(path, clip->bytes))) {
    Tell(ctx, Text(kNoClipFolder).arg(ShownPath(ctx.clip_folder)));
    return nullptr;
  }
  auto data = std::make_unique<QMimeData>();
  data->setUrls({QUrl::fromLocalFile(QString::fromStdU16String(path.u16string()))});
  data->setData(QString::fromLatin1(kMidiType), QByteArray::fromStdString(clip->bytes));
  return data;
}

void CopySongClip(AppContext& ctx, const ClipRequest& request) {
  if (std::unique_ptr<QMimeData> data = SongClipMimeData(ctx, request))
    QApplication::clipboard()->setMimeData(data.release());
}

void SaveSongClip(AppContext& ctx, QWidget* parent, const ClipRequest& request) {
  const std::optional<SongClip> clip = Make(ctx, request);
  if (!clip) return;
  const QString suggested = QDir(SaveFolder()).filePath(QString::fromStdString(clip->file_name));
  const QString path =
      ctx.choose_save_file
          ? ctx.choose_save_file(parent, suggested, Text(kSaveFilter))
          : QFileDialog::getSaveFileName(parent, Text(kSaveCaption), suggested, Text(kSaveFilter));
  if (path.isEmpty()) return;
  SaveFolder() = QFileInfo(path).absolutePath();
  if (ReplaceFileAtomically(PathOf(path), clip->bytes)) return;
  Tell(ctx, NotWrittenText(path, Text(kSaveFailed), Text(kSaveNoFolder)));
}

void RemoveOldSongClips(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  const auto day_ago = fs::file_time_type::clock::now() - std::chrono::hours(24);
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    std::error_code item_error;
    if (!entry->is_regular_file(item_error) || entry->is_symlink(item_error) ||
        entry->path().extension() != ".mid")
      continue;
    const fs::file_time_type written = entry->last_write_time(item_error);
    if (!item_error && written < day_ago) fs::remove(entry->path(), item_error);
  }
}

}  // namespace tonalyx
