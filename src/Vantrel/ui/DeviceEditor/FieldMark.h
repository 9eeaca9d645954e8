#pragma once

class QString;
class QWidget;

// The red frame and the tip of a refused or clamped field. The skin may
// draw the frame its own way; without one it still shows.
class FieldMark
{
public:
    // Gives the field the frame it shows while it is marked.
    static void showFrameOf(QWidget* field, const char* className);
    // Marks or clears the field; the tip says why.
    static void mark(QWidget* field, bool invalid, const QString& reason);
    static bool isMarked(const QWidget* field);
};
