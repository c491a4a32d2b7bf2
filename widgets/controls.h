#pragma once
// Labels and buttons as the program's windows use them: named, light yellow, placed in twips.
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace tw {

// A top-aligned label in the program's background colour.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption);
// A report-style list on the light yellow: whole rows chosen, nothing edited, the columns fixed in
// their order.
QTreeWidget* MakeList(QWidget* parent, const char* name, const QStringList& headers);
// A graphical-style button in the program's background colour that Enter does not press.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tip = {});
// Fits a label to its text; a right-aligned label keeps its right edge, any other its left edge.
void SizeToText(QLabel* label);
// Grows every label and button in window whose caption needs more room than its designed size
// with the display's font: it keeps its top-left corner (a right-aligned label its top-right), a
// wrapping label grows downwards, a button first to the width of its caption on one line. A control
// that has room keeps its size.
void FitCaptions(QWidget* window);

}  // namespace tw
