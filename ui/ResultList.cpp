#include "ui/ResultList.h"

#include <QMouseEvent>

namespace tonalyx {

ResultList::ResultList(std::function<bool(int row)> press, std::function<void()> release,
                       QWidget* parent)
    : QTreeView(parent), press_(std::move(press)), hold_(*this, std::move(release)) {
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Mouse presses play; dragging over the rows is no drag unless a list asks.
  setDragEnabled(false);
}

void ResultList::mousePressEvent(QMouseEvent* event) {
  QTreeView::mousePressEvent(event);  // selects the row and takes the focus
  event->accept();
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid() && press_(index.row())) hold_.Started();
}

void ResultList::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void ResultList::mouseReleaseEvent(QMouseEvent* event) {
  QTreeView::mouseReleaseEvent(event);
  event->accept();
  hold_.MouseUp();
}

void ResultList::WhenPointerEntersRow(std::function<void(int row)> entered) {
  row_entered_ = std::move(entered);
  viewport()->setMouseTracking(true);
}

void ResultList::mouseMoveEvent(QMouseEvent* event) {
  QTreeView::mouseMoveEvent(event);
  const int row = indexAt(event->position().toPoint()).row();
  if (row == pointer_row_) return;
  pointer_row_ = row;
  if (row >= 0 && row_entered_) row_entered_(row);
}

void ResultList::startDrag(Qt::DropActions actions) {
  hold_.EndAll();
  QTreeView::startDrag(actions);
}

void ResultList::leaveEvent(QEvent* event) {
  pointer_row_ = -1;
  QTreeView::leaveEvent(event);
}

}  // namespace tonalyx
