#pragma once

#include "base/text.h"

// Puts `text` on the clipboard as its one CF_TEXT item. True only when the text is really
// there: false when the memory cannot be had, the clipboard is held open by another program
// (then it is left as it was), or the clipboard refuses the item.
bool CopyTextToClipboard(const Text& text);
