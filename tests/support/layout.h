#pragma once
// What can really go wrong with a window's layout, whatever numbers it was designed with: a control
// outside its window, two controls on top of each other, a caption that does not fit its control.
#include <QWidget>
#include <string>
#include <vector>

namespace tw::test {

// One line per fault, naming the control. Controls are the named widgets the program made (Qt's
// own parts of a control are not looked at); hidden ones are passed over. Controls that only touch
// (a shared border of two pixels at most) do not count as overlapping. With captions false, only
// places are checked.
std::vector<std::string> LayoutProblems(const QWidget& window, bool captions = true);

// The columns of the window's tables (its QTreeWidgets) too narrow for a cell they show, which is
// then cut short with an ellipsis: one line per column, naming the table and the column.
std::vector<std::string> CutCells(const QWidget& window);

}  // namespace tw::test
