#pragma once

#include <QTreeView>
#include <functional>

#include "ui/AuditionHold.h"

namespace tonalyx {

// A list of sounds, auditioned like the audition buttons (the finder's
// results, the favourites): a press on a row with any mouse button starts its
// note, the mouse-up ends it, and hiding the list, deactivating its window or
// dragging the row away during the hold ends it too. The keyboard only moves
// through the rows; Enter plays nothing.
class ResultList : public QTreeView {
  Q_OBJECT

 public:
  // press starts the note of a row and says whether it did; release ends it.
  ResultList(std::function<bool(int row)> press, std::function<void()> release, QWidget* parent);
  // Ends every note the rows still hold.
  void EndHeld() { hold_.EndAll(); }
  // Runs `entered` with the row each time the pointer moves onto a row.
  void WhenPointerEntersRow(std::function<void(int row)> entered);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  // The second press of a double click plays again, as on a button.
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  // The drag takes the mouse-up: the note ends as the drag begins.
  void startDrag(Qt::DropActions actions) override;

 private:
  std::function<bool(int row)> press_;
  std::function<void(int row)> row_entered_;
  int pointer_row_ = -1;  // the row under the pointer, -1 for none
  AuditionHold hold_;
};

}  // namespace tonalyx
