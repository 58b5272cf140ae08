#include "ui/FavouriteAdding.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "midifile/SoundNames.h"
#include "ui/FilePathText.h"
#include "ui/Retranslation.h"

namespace tonalyx {
namespace {
// %1: the favourites file.
constexpr const char* kNotOurs = QT_TRANSLATE_NOOP(
    "tonalyx::Favourites", "%1 はお気に入りのファイルではないため、変更を保存しません。");
constexpr const char* kLaterVersion = QT_TRANSLATE_NOOP(
    "tonalyx::Favourites", "%1 は新しい版の Tonalyx が書いたファイルのため、変更を保存しません。");
constexpr const char* kTooLarge = QT_TRANSLATE_NOOP(
    "tonalyx::Favourites", "%1 は大きすぎて全部は読めないため、変更を保存しません。");
constexpr const char* kUnreadable =
    QT_TRANSLATE_NOOP("tonalyx::Favourites", "%1 を読めないため、変更を保存しません。");
constexpr const char* kWriteFailed = QT_TRANSLATE_NOOP(
    "tonalyx::Favourites",
    "お気に入りを %1 に保存できません。\nフォルダーに書き込めないか、ディスクに空きがありません。"
    "\n元のファイルはそのままです。");
constexpr const char* kAddItem = QT_TRANSLATE_NOOP("tonalyx::Favourites", "お気に入りに追加");
constexpr const char* kOpenItem = QT_TRANSLATE_NOOP("tonalyx::Favourites", "お気に入り");

QString Text(const char* text) { return QCoreApplication::translate("tonalyx::Favourites", text); }
}  // namespace

void AddFavourite(AppContext& ctx, const SoundChoice& sound) {
  ReportFavouritesChange(ctx, ctx.Favourites().Add({sound, SoundName(sound)}));
}

QString FavouritesProblemText(const FavouritesFile& file, FavouritesProblem problem) {
  const char* text = nullptr;
  switch (problem) {
    case FavouritesProblem::kNone:
      return {};
    case FavouritesProblem::kNotOurs:
      text = kNotOurs;
      break;
    case FavouritesProblem::kLaterVersion:
      text = kLaterVersion;
      break;
    case FavouritesProblem::kTooLarge:
      text = kTooLarge;
      break;
    case FavouritesProblem::kUnreadable:
      text = kUnreadable;
      break;
    case FavouritesProblem::kWriteFailed:
      text = kWriteFailed;
      break;
  }
  return Text(text).arg(ShownPath(file.Path()));
}

void ReportFavouritesChange(AppContext& ctx, FavouritesProblem problem) {
  if (problem == FavouritesProblem::kNone) {
    emit ctx.events.FavouritesChanged();
    return;
  }
  if (ctx.show_message)
    ctx.show_message(FavouritesProblemText(ctx.Favourites(), problem).toStdString());
}

void AddFavouriteItems(QMenu& menu, AppContext& ctx, std::function<SoundChoice()> pressed_last) {
  QAction* add = menu.addAction(QString());
  add->setObjectName(QStringLiteral("AddFavourite"));
  add->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  QObject::connect(add, &QAction::triggered, &menu, [&ctx, pressed_last = std::move(pressed_last)] {
    AddFavourite(ctx, pressed_last());
  });
  QAction* open = menu.addAction(QString());
  open->setObjectName(QStringLiteral("OpenFavourites"));
  QObject::connect(open, &QAction::triggered, &ctx.events, &Events::FavouritesRequested);
  KeepTranslated(menu, [add, open] {
    add->setText(Text(kAddItem));
    open->setText(Text(kOpenItem));
  });
}

}  // namespace tonalyx
