#pragma once

#include <QString>

class QWidget;

// Opens the help file in the program's help viewer window. If the viewer
// already shows that file it is left as it is (only brought forward);
// otherwise the file is shown from its start. A missing or unreadable file
// is reported inside the viewer, never in a message box.
void showHelpFile(QWidget* parent, const QString& fileName);

// The viewer window, if open; for tests.
class QTextBrowser;
QTextBrowser* openHelpViewer();
