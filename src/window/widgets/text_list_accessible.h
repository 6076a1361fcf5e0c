// What screen readers see of a text list: a list whose children are its rows, each named by its
// text and marked when it is chosen or has the focus. The rows are made only as a reader asks for
// them, so a list of millions of rows costs nothing until then.
#pragma once

namespace window {

class TextList;

// Makes the toolkit describe every TextList this way; once is enough, later calls do nothing.
void installTextListAccessibility();

// Tell a screen reader that the rows were replaced, or that a row was chosen.
void announceRowsChanged(TextList* list);
void announceChosenRow(TextList* list, int row);

} // namespace window
