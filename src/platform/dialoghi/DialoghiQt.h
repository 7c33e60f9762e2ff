#pragma once
// The program's own boxes: Qt message and input boxes and the system beep.

class QWidget;

namespace dlg {

// Makes the Qt boxes the program's own (Dialoghi.h), centred on `finestra`
// when given. The main window calls it for itself; the test entry point
// calls it for the tests that run without one.
void impostaDialoghiQt(QWidget *finestra = nullptr);

} // namespace dlg
