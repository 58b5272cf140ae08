#pragma once

#include <QObject>
#include <QTranslator>
#include <string>

class QAction;
class QMenu;

namespace tonalyx {

// The language of the program's texts, chosen from the submenu
// "言語 / Language" at the end of the main window's settings menu: Japanese,
// the default whatever the system's locale, or English. A choice takes effect
// at once: the English translation, built into the program, is installed or
// removed, and every window, shown or hidden, sets its texts again.
class LanguageMenu : public QObject {
 public:
  // The values the choice is stored as.
  static constexpr char kJapanese[] = "ja";
  static constexpr char kEnglish[] = "en";

  explicit LanguageMenu(QMenu& settings_menu);
  ~LanguageMenu() override;
  LanguageMenu(const LanguageMenu&) = delete;
  LanguageMenu& operator=(const LanguageMenu&) = delete;

  // Takes the language saved: English for kEnglish, Japanese for anything
  // else, an empty value (no saved choice) included.
  void Start(const std::string& saved);
  // The user picks a language (kJapanese or kEnglish).
  void Choose(const std::string& language);
  // The language chosen; written to the settings only when it is not the
  // value read at start, so a file without a choice stays as it was.
  const std::string& Chosen() const { return chosen_; }
  bool ChoiceChanged() const { return chosen_ != saved_; }

 private:
  void Apply();

  QAction* japanese_;
  QAction* english_;
  QTranslator english_texts_;
  bool installed_ = false;
  std::string chosen_;
  std::string saved_;
};

}  // namespace tonalyx
