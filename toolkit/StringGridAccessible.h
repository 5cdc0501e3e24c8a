#pragma once

// Lets screen readers see a TStringGrid as a table of named cells, the keyboard's cell focused
// and pressable. Installed once; the grid asks for it when created.
void InstallStringGridAccessibility();
