#pragma once

#include <array>
#include <string>

#include "core/window_model.h"
#include "setup/context.h"
#include "windows/picture_search.h"
#include "windows/telescope_pictures.h"

namespace kestrom {

// The Fix station's alignment telescope: a fixed drawing of the telescope with
// its "V" sight mark, the view through it (Image3) and two arrows that step
// through twelve pictures of that view, as if the antenna were turned.
class TAlignfix : public SimulatedWindow {
 public:
  explicit TAlignfix(Context& ctx);

  static constexpr int kPictures = static_cast<int>(kTelescopePictures.size());
  static constexpr int kPictureSize = 140;
  // The picture file of index 1..12 (kTelescopePictures), "" for any other index.
  static const char* pictureFile(int index);
  // The picture stored with the window, on show when it opens: the landmark three
  // steps off the sight, so that there is something to align. The index is 1 all
  // the same, so the first step forward shows tele1.gif.
  static constexpr const char* kOpeningPicture = kTelescopePictures[3].file;

  // The view picture: the file it shows and where that was found, or, for a file
  // found nowhere, the message shown in its place.
  struct Picture {
    std::string FileName;
    PictureSearch::Found Where;
  };
  Picture Image3;
  int Index = 1;  // 1..12

  // Where the pictures are looked for; the working directory alone until set.
  void setPictureSearch(PictureSearch search);

  // Shown: back to index 1 and the picture stored with the window.
  void FormShow() override;
  // Made the active window again: nothing changes, so an arrow steps on from
  // the picture on show.
  void FormActivate() {}
  void Image1Click();               // next picture
  void Image2Click();               // previous picture
  void BitBtn3Click() { Close(); }  // "Close"

 private:
  void load(int index);
  void opening();

  PictureSearch search_;
};

}  // namespace kestrom
