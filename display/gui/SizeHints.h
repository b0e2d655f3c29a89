#pragma once

class QComboBox;
class QWidget;

// Size hints after captions changed (a new language). Qt recomputes them lazily,
// level by level through posted layout requests, so a width measured right after
// the change can still be the old one.

// A combo box keeps the width of the items it had when first measured as its
// minimum until its style changes: this makes it follow its present items.
void refitComboBox(QComboBox *box);

// Drops every cached size hint below `root` (combo boxes included), so that
// root->sizeHint() measures the present captions.
void refreshSizeHints(QWidget *root);
