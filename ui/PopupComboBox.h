#pragma once

#include <QComboBox>
#include <functional>

namespace tonalyx {

// A drop-down list that lets its owner rebuild the entries each time the list
// is opened, just before it shows them.
class PopupComboBox : public QComboBox {
 public:
  using QComboBox::QComboBox;

  void SetBeforePopup(std::function<void()> before_popup) {
    before_popup_ = std::move(before_popup);
  }
  void showPopup() override;

 private:
  std::function<void()> before_popup_;
};

}  // namespace tonalyx
