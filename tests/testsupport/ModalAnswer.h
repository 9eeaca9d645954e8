#pragma once

#include <QDialog>

// Answers the next modal dialog from the event loop, so a test never waits
// for a person: call it just before the code that opens the dialog.
class ModalAnswer
{
public:
    // Closes the active modal widget with the result once it appears; when
    // seenText is given, it receives the toolkit dialog's message first.
    static void answerNext(QDialog::DialogCode result, int timeoutMs = 5000, QString* seenText = nullptr);
};
