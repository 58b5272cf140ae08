#include "app/LanguageMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace tonalyx {

LanguageMenu::LanguageMenu(QMenu& settings_menu) : QObject(&settings_menu) {
  // Titled and named in both languages, so either reader finds the way back.
  QMenu* menu = settings_menu.addMenu(QStringLiteral("言語 / Language"));
  menu->setObjectName(QStringLiteral("LanguageMenu"));
  auto* group = new QActionGroup(menu);
  const auto add = [this, menu, group](const char* name, const QString& text,
                                       const char* language) {
    QAction* item = menu->addAction(text);
    item->setObjectName(QLatin1String(name));
    item->setCheckable(true);
    group->addAction(item);
    connect(item, &QAction::triggered, this, [this, language] { Choose(language); });
    return item;
  };
  japanese_ = add("Japanese", QStringLiteral("日本語"), kJapanese);
  english_ = add("English", QStringLiteral("English"), kEnglish);
  japanese_->setChecked(true);
  // Built into the program; were it missing, English could not be offered.
  english_->setEnabled(english_texts_.load(QStringLiteral(":/translations/tonalyx_en.qm")));
}

LanguageMenu::~LanguageMenu() {
  if (installed_) QCoreApplication::removeTranslator(&english_texts_);
}

void LanguageMenu::Start(const std::string& saved) {
  saved_ = saved;
  chosen_ = saved;
  Apply();
}

void LanguageMenu::Choose(const std::string& language) {
  chosen_ = language;
  Apply();
}

void LanguageMenu::Apply() {
  const bool english = chosen_ == kEnglish;
  (english ? english_ : japanese_)->setChecked(true);
  if (english == installed_) return;
  // Either call sends every window QEvent::LanguageChange.
  if (english) {
    installed_ = QCoreApplication::installTranslator(&english_texts_);
  } else {
    QCoreApplication::removeTranslator(&english_texts_);
    installed_ = false;
  }
}

}  // namespace tonalyx
