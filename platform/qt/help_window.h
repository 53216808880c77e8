// The editor's help window: a page of rich text with links, beside the main
// window, that stays open while the user goes on editing.
#pragma once

#include <QString>

class QWidget;

// Shows the compiled-in help page at `path` (":/resources/help/…") at its
// start, in the one help window of `owner`, which it creates when needed.
void ShowHelpWindow(QWidget* owner, const QString& path);
