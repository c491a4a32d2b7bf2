#pragma once
// Undo and Redo of the record's history in a window: two actions whose captions say what they
// would do ("Undo the edit of Website redesign 12/7/2026 9:03:35 AM"), on Ctrl+Z and Ctrl+Shift+Z,
// greyed where there is nothing to do. An undo refused (the stretch changed since) is said in a
// message box; after one that was made, `changed` runs so the window shows the record anew.
#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace tw {

class UndoActions : public QObject {
  Q_OBJECT

 public:
  UndoActions(QWidget* window, std::function<void()> changed);
  QAction* undo() const { return undo_; }
  QAction* redo() const { return redo_; }
  // The Edit menu of a window with a menu bar: its two items.
  QMenu* EditMenu(QWidget* parent) const;
  // Gives the window a menu bar holding the Edit menu, above what it shows: in its layout when it
  // has one, else with its placed controls moved down and the window made taller by the bar.
  void AddMenuBar();
  // The captions as the history stands now.
  void Refresh();

 private:
  void Take(bool undo);

  QWidget* window_;
  QAction* undo_;
  QAction* redo_;
  std::function<void()> changed_;
};

}  // namespace tw
