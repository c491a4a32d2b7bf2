#pragma once
// Controls of the report windows, in the program's look.
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace tw {

// A light yellow button in the graphical style that Enter does not press.
QPushButton* MakeReportButton(QWidget* parent, const char* name, const char* caption,
                              const char* tip = "");
QLabel* MakeReportLabel(QWidget* parent, const char* name, const char* caption);

enum class ArrowDirection { Left, Down, Right };
// The picture on a day button.
QIcon ArrowIcon(ArrowDirection direction);

}  // namespace tw
