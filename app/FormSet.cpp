#include "app/FormSet.h"

#include "app/TForm1.h"
#include "drum/DrumAudition.h"
#include "drum/DrumEditWindow.h"
#include "drum/KitButtons.h"
#include "drum/TForm11.h"
#include "drum/TForm13.h"
#include "drum/TForm4.h"
#include "drum/TForm5.h"
#include "export/ExportDialog.h"
#include "favourites/FavouritesWindow.h"
#include "modules/TForm10.h"
#include "modules/TForm3.h"
#include "modules/TForm9.h"
#include "search/FinderWindow.h"
#include "tone/TForm12.h"
#include "tone/TForm2.h"
#include "tone/TForm6.h"
#include "tone/TForm7.h"
#include "tone/TForm8.h"
#include "tone/ToneAudition.h"
#include "tone/ToneEditWindow.h"
#include "ui/UiLook.h"

namespace tonalyx {
namespace {
// Makes a window, registers it once its creation has run, and keeps it.
template <typename Form, typename... Extra>
Form* Create(AppContext& ctx, std::vector<std::unique_ptr<QWidget>>& windows,
             Registered<Form>& slot, const Extra&... extra) {
  auto form = std::make_unique<Form>(ctx, extra...);
  Form* raw = form.get();
  slot.Set(raw);
  windows.push_back(std::move(form));
  return raw;
}

// What a row of the finder or the favourites plays: the windows' own auditions.
constexpr SoundAuditions kRowAuditions{PlayTone, ReleaseTone, SelectDrumKit, PlayDrumNote,
                                       ReleaseDrumNote};
}  // namespace

FormSet::FormSet(AppContext& context) : ctx_(context) {
  Forms& f = ctx_.forms;
  TForm1* form1 = Create(ctx_, windows_, f.form1);
  TForm2* form2 = Create(ctx_, windows_, f.form2);
  TForm3* form3 = Create(ctx_, windows_, f.form3);
  TForm4* form4 = Create(ctx_, windows_, f.form4);
  Create(ctx_, windows_, f.form5);
  Create(ctx_, windows_, f.form6);
  Create(ctx_, windows_, f.form7);
  Create(ctx_, windows_, f.form8);
  Create(ctx_, windows_, f.form9);
  Create(ctx_, windows_, f.form10);
  Create(ctx_, windows_, f.form11);
  Create(ctx_, windows_, f.form12);
  Create(ctx_, windows_, f.form13);

  QObject::connect(form1, &TForm1::SavedModuleTypeRead, form3, &TForm3::RestoreSelection);
  QObject::connect(form2, &TForm2::SearchRequested, form2, [this] { OpenFinder(false); });
  QObject::connect(form4, &TForm4::SearchRequested, form4, [this] { OpenFinder(true); });
  QObject::connect(form1, &TForm1::ExportRequested, form1, [this] { OpenExport(); });
  QObject::connect(form2, &TForm2::ToneEditRequested, form2, [this] { OpenToneEdit(); });
  QObject::connect(form4, &TForm4::DrumEditRequested, form4, [this] { OpenDrumEdit(); });
  QObject::connect(&ctx_.events, &Events::FavouritesRequested, form1, [this] { OpenFavourites(); });
}

void FormSet::OpenFinder(bool drums) {
  // Made after the windows it plays through, so deleted before them.
  if (ctx_.forms.finder == nullptr) Create(ctx_, windows_, ctx_.forms.finder, kRowAuditions);
  ctx_.forms.finder->Open(drums);
}

void FormSet::OpenFavourites() {
  if (ctx_.forms.favourites == nullptr)
    Create(ctx_, windows_, ctx_.forms.favourites, kRowAuditions);
  ctx_.forms.favourites->Open();
}

void FormSet::OpenExport() {
  if (ctx_.forms.exporter == nullptr) Create(ctx_, windows_, ctx_.forms.exporter);
  ctx_.forms.exporter->Open();
}

void FormSet::OpenToneEdit() {
  if (ctx_.forms.tone_edit == nullptr) Create(ctx_, windows_, ctx_.forms.tone_edit);
  ShowInFront(ctx_.forms.tone_edit.Window());
}

void FormSet::OpenDrumEdit() {
  if (ctx_.forms.drum_edit == nullptr) Create(ctx_, windows_, ctx_.forms.drum_edit);
  ShowInFront(ctx_.forms.drum_edit.Window());
}

FormSet::~FormSet() {
  while (!windows_.empty()) windows_.pop_back();
  ctx_.forms = Forms{};
}

}  // namespace tonalyx
