#include "app/FormSet.h"

#include "app/TForm1.h"
#include "drum/DrumAudition.h"
#include "drum/KitButtons.h"
#include "drum/TForm11.h"
#include "drum/TForm13.h"
#include "drum/TForm4.h"
#include "drum/TForm5.h"
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

namespace tonalyx {
namespace {
template <typename Form>
Form* Create(AppContext& ctx, std::vector<std::unique_ptr<QWidget>>& windows) {
  auto form = std::make_unique<Form>(ctx);
  Form* raw = form.get();
  windows.push_back(std::move(form));
  return raw;
}
}  // namespace

FormSet::FormSet(AppContext& context) : ctx_(context) {
  Forms& f = ctx_.forms;
  f.form1 = Create<TForm1>(ctx_, windows_);
  f.form2 = Create<TForm2>(ctx_, windows_);
  f.form3 = Create<TForm3>(ctx_, windows_);
  f.form4 = Create<TForm4>(ctx_, windows_);
  f.form5 = Create<TForm5>(ctx_, windows_);
  f.form6 = Create<TForm6>(ctx_, windows_);
  f.form7 = Create<TForm7>(ctx_, windows_);
  f.form8 = Create<TForm8>(ctx_, windows_);
  f.form9 = Create<TForm9>(ctx_, windows_);
  f.form10 = Create<TForm10>(ctx_, windows_);
  f.form11 = Create<TForm11>(ctx_, windows_);
  f.form12 = Create<TForm12>(ctx_, windows_);
  f.form13 = Create<TForm13>(ctx_, windows_);

  QObject::connect(f.form2, &TForm2::SearchRequested, f.form2, [this] { OpenFinder(false); });
  QObject::connect(f.form4, &TForm4::SearchRequested, f.form4, [this] { OpenFinder(true); });
}

void FormSet::OpenFinder(bool drums) {
  if (ctx_.forms.finder == nullptr) {
    // The drum routines are overloaded; the lambdas pick the window versions.
    const FinderAuditions auditions{
        PlayTone,
        ReleaseTone,
        SelectDrumKit,
        [](AppContext& ctx) { PlayDrumNote(ctx); },
        [](AppContext& ctx) { ReleaseDrumNote(ctx); },
    };
    // Made last, so deleted first, while the windows it plays through exist.
    auto finder = std::make_unique<FinderWindow>(ctx_, auditions);
    ctx_.forms.finder = finder.get();
    windows_.push_back(std::move(finder));
  }
  ctx_.forms.finder->Open(drums);
}

FormSet::~FormSet() {
  while (!windows_.empty()) windows_.pop_back();
  ctx_.forms = Forms{};
}

}  // namespace tonalyx
