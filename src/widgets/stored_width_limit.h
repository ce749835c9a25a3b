#pragma once

class QLineEdit;

namespace quillox::widgets {

// Keeps the field's text within this many bytes of UTF-8, the measure of the text column it is
// stored in, so that the row keeps everything the user sees. Typing stops at the limit; a paste
// keeps what fits of the pasted text, cut between two characters; text set by the program is
// cut at its end.
void limitToStoredWidth(QLineEdit& field, int bytes);

} // namespace quillox::widgets
