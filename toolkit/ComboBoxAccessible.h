#pragma once

class TComboBox;

// Lets screen readers read a TComboBox by its own name, with the chosen item as its value, and
// hear each new choice. Qt's own drop-down names itself by its current item on Linux and tells
// the reader nothing it speaks when the choice changes. Installed once; the drop-down asks for it
// when created.
void InstallComboBoxAccessibility();

// The focused drop-down's choice changed while its list is closed: the chosen item takes the
// reader's focus, so that it is spoken.
void TellChoiceChanged(TComboBox& comboBox);
