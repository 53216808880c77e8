// The editor's help window: a page of rich text with links, beside the main
// window, that stays open while the user goes on editing.
#pragma once

#include <QString>

class QWidget;

// Shows the help file at `path` (a file or a compiled-in resource) at its
// start, in the one help window of `owner`, which it creates when needed.
void ShowHelpWindow(QWidget* owner, const QString& path);
