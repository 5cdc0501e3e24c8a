#pragma once

#include <QString>

// Pictures come at two densities: the size the game is laid out in, and twice it (the "@2x"
// files), embedded under the same name in the resource folder "2x". Coordinates stay logical
// pixels at both.

// The device pixel ratio pictures are loaded at and new bitmaps are made at: 2 when any screen
// is denser than 1 (a window dragged to the dense screen is then sharp at once, and one on a
// plain screen gets the 2× pictures scaled down smoothly), otherwise 1.
int PictureRatio();

// The resource to read for the picture `name`, and the ratio its pixels have.
struct TDenseResource {
  QString Name;
  int Ratio = 1;
};

// The twin "2x/<name>" at PictureRatio() 2 when it is embedded; `name` itself otherwise, so that
// at ratio 1 no twin is ever read.
TDenseResource DenseResource(const QString& name);
