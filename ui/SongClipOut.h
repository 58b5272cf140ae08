#pragma once

#include <QMimeData>
#include <filesystem>
#include <memory>
#include <string>

#include "midifile/SongClip.h"
#include "ui/AppContext.h"

class QWidget;

namespace tonalyx {

// A sound as the user takes it into a song: the sound, the name its track
// gets (UTF-8: the table's name or the user's), and how the clip is made.
struct ClipRequest {
  SoundChoice sound;
  std::string name;
  ClipOptions options;
};

// The three ways a clip leaves the program. Each tells the user (through the
// context's message) why it could not, and GM2, whose press selects nothing,
// has no clip: that is said too.

// For a drag: the clip written to the clip folder under the track's name and
// offered as its file URL (text/uri-list) and as the file's bytes
// (audio/midi). Nothing after a message.
std::unique_ptr<QMimeData> SongClipMimeData(AppContext& ctx, const ClipRequest& request);
// The same on the clipboard, for a paste into a sequencer or a file manager.
void CopySongClip(AppContext& ctx, const ClipRequest& request);
// Asks where to save the clip, offering the track's name, and writes it there
// through the atomic store: a failure leaves an existing file as it was.
void SaveSongClip(AppContext& ctx, QWidget* parent, const ClipRequest& request);

// Removes the clips that drags and copies left in the folder more than a day
// ago; only regular files ending in ".mid", never what a link points to.
void RemoveOldSongClips(const std::filesystem::path& folder);

}  // namespace tonalyx
