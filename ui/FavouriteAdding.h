#pragma once

#include <QString>
#include <functional>

#include "audition/SoundChoice.h"
#include "favouritesfile/FavouritesFile.h"
#include "ui/AppContext.h"

class QMenu;

namespace tonalyx {

// Adds a sound to the end of the favourites under the name its button shows,
// and tells the windows; a favourite that cannot be stored is not added, and
// the user is told why.
void AddFavourite(AppContext& ctx, const SoundChoice& sound);

// Why the favourites file takes no change, in the program's language; empty
// for kNone.
QString FavouritesProblemText(const FavouritesFile& file, FavouritesProblem problem);

// Tells the user why a change was not stored, and the windows when one was.
void ReportFavouritesChange(AppContext& ctx, FavouritesProblem problem);

// Adds to a window's menu "お気に入りに追加" (Ctrl+D), which adds the sound
// `pressed_last` gives, and "お気に入り", which asks for the favourites window.
void AddFavouriteItems(QMenu& menu, AppContext& ctx, std::function<SoundChoice()> pressed_last);

}  // namespace tonalyx
