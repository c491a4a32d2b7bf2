#pragma once
// The timeline for screen readers: the view is a list whose items are its stretches and free
// times, each named ("Website redesign, 9:03 AM to 10:15 AM, layout"), focusable, with its actions
// (edit or add, delete, the menu).
#include <QAccessible>

namespace tw {

class TimelineView;

// Makes Qt ask the timeline's views for their own accessible objects (once per program).
void InstallTimelineAccessibility();
// The view's items changed: the objects that stood for the old ones go (and assistive technology
// is told, unless the view itself is going).
void TimelineItemsChanged(TimelineView* view, bool announce = true);
// The selection moved to item `index` (-1 for none): told to assistive technology.
void TimelineFocusMoved(TimelineView* view, int index, QAccessible::Event event);

}  // namespace tw
