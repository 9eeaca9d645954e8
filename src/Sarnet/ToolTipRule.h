#pragma once

class QEvent;
class QObject;

namespace apt {

// Widgets that carry a tool tip show their full current text as the tip (a
// label or combo box cut short by its width), except line edits, which keep
// their own tip.
class ToolTipRule
{
public:
    // Shows the tip and returns true when the rule takes the event.
    static bool handle(QObject* receiver, QEvent* event);
};

} // namespace apt
