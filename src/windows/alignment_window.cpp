#include "windows/alignment_window.h"

namespace kestrom {

const char* TAlignfix::pictureFile(int index) {
  if (index < 1 || index > kPictures) return "";
  return kTelescopePictures[static_cast<std::size_t>(index - 1)].file;
}

TAlignfix::TAlignfix(Context& ctx)
    : SimulatedWindow(ctx, WindowIndex::Alignment,
                      "Alignment of Kestrom Fix Station With Telescope", 356, 470) {
  opening();
}

void TAlignfix::setPictureSearch(PictureSearch search) {
  search_ = std::move(search);
  Image3.Where = search_.find(Image3.FileName);
}

void TAlignfix::FormShow() {
  opening();
}

void TAlignfix::opening() {
  Index = 1;
  Image3.FileName = kOpeningPicture;
  Image3.Where = search_.find(Image3.FileName);
}

void TAlignfix::Image1Click() {
  load(Index == kPictures ? 1 : Index + 1);
}

void TAlignfix::Image2Click() {
  load(Index == 1 ? kPictures : Index - 1);
}

// A picture is looked up again on every step, so a file put in place while the
// window is open shows at the next step onto it.
void TAlignfix::load(int index) {
  Index = index;
  Image3.FileName = pictureFile(index);
  Image3.Where = search_.find(Image3.FileName);
}

}  // namespace kestrom
