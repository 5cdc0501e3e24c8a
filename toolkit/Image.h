#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "toolkit/Bitmap.h"
#include "toolkit/GraphicControl.h"

// A picture control. On a surface window it is a graphic control: the window composes the
// picture into its own surface, so drawing done on the window later lies above it. Elsewhere it
// paints itself. Mouse presses it does not use go on to its parent.
class TImage : public QWidget, public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(QString PictureName READ PictureName WRITE SetPictureName)

 public:
  explicit TImage(QWidget* parent = nullptr);

  // The JPEG resource the form description names, drawn with the words of the game's language
  // (the resource of that name in the language's folder), or its twice-size twin at
  // PictureRatio() 2; decoded at once.
  QString PictureName() const { return pictureName_; }
  void SetPictureName(const QString& name);
  // The picture SetPictureName shows.
  static TBitmap ReadPicture(const QString& name);

  TBitmap Picture;
  std::function<void()> OnClick;

  void ComposeOn(TCanvas& canvas) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QString pictureName_;
  bool pressed_ = false;
};
