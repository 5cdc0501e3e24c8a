#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "toolkit/Avi.h"
#include "toolkit/Bitmap.h"
#include "toolkit/WorkAhead.h"

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

// Gives a picture read from a resource of that ratio its density: the ratio of its pixels and,
// for a movie, its size in logical pixels.
void SetPictureRatio(TBitmap& picture, int ratio);
void SetPictureRatio(TAviMovie& movie, int ratio);

// The picture `name` at PictureRatio(): `read` reads the resource DenseResource picks (it is
// given that resource) and the picture gets that resource's ratio. One read ahead is taken
// instead (TWorkAhead).
template <class TRead>
auto ReadDensePicture(const QString& name, TRead read) {
  const TDenseResource dense = DenseResource(name);
  auto& kept = WorkAhead::Kept<decltype(read(dense))>();
  if (auto ahead = kept.extract(dense.Name)) return std::move(ahead.mapped());
  auto picture = read(dense);
  SetPictureRatio(picture, dense.Ratio);
  if (WorkAhead::Keeping()) kept.insert_or_assign(dense.Name, picture);
  return picture;
}

// The device pixels of `size` logical pixels at `ratio`.
QSize DeviceSize(const QSize& size, qreal ratio);
// A 32-bit image of `size` logical pixels at `ratio` device pixels to one, its contents
// undefined; null when that many pixels cannot be had.
QImage DenseImage(const QSize& size, qreal ratio);
