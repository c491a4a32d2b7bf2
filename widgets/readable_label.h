#pragma once
// A label whose text a screen reader reads when asked (the accessibility tree's text of the label),
// under a name of its own that stays put while the text changes: the elapsed time, which changes
// every second, is read on request and never announced.
#include <QLabel>

namespace tw {

void MakeReadable(QLabel* label);

}  // namespace tw
