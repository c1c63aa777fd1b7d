// Draws the twelve views through the Fix station's alignment telescope and
// writes them as 140 x 140 GIF files into the folder given on the command line.
//
// The views are windows onto one panorama of sea, hills and sky that goes once
// round the horizon in twelve steps. The lighthouse the antenna is aligned on
// stands in the middle of "tele.gif"; "tele1.gif" .. "tele6.gif" turn one way,
// "tele11.gif" .. "tele15.gif" the other, so stepping through them reads as
// turning the antenna.

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "windows/telescope_pictures.h"

namespace {

constexpr int kSize = 140;
constexpr int kStep = 22;              // panorama pixels per picture
constexpr int kPanorama = 12 * kStep;  // once round the horizon
constexpr int kHorizon = 84;
constexpr double kPi = 3.14159265358979323846;

// Palette indices.
enum Ink : GifByteType {
  Sky = 0,  // 0..7, pale at the horizon to deep at the top
  Sea = 8,  // 8..11, dark near the horizon to lighter in front
  FarHill = 12,
  NearHill = 13,
  White = 14,
  Red = 15,
  Dark = 16,
  Yellow = 17,
  Lamp = 18,
  Wall = 19,
  Window = 20,
  Cloud = 21,
  Foam = 22,
  kInks = 32,  // a GIF palette has a power of two entries
};

std::vector<GifColorType> palette() {
  std::vector<GifColorType> p(kInks, GifColorType{0, 0, 0});
  for (int i = 0; i < 8; ++i) {
    p[Sky + i] = {static_cast<GifByteType>(200 - i * 18), static_cast<GifByteType>(224 - i * 14),
                  static_cast<GifByteType>(245 - i * 6)};
  }
  for (int i = 0; i < 4; ++i) {
    p[Sea + i] = {static_cast<GifByteType>(20 + i * 14), static_cast<GifByteType>(60 + i * 16),
                  static_cast<GifByteType>(100 + i * 18)};
  }
  p[FarHill] = {120, 140, 150};
  p[NearHill] = {70, 100, 80};
  p[White] = {250, 250, 250};
  p[Red] = {200, 30, 30};
  p[Dark] = {30, 30, 35};
  p[Yellow] = {240, 200, 20};
  p[Lamp] = {255, 245, 170};
  p[Wall] = {215, 200, 170};
  p[Window] = {60, 60, 80};
  p[Cloud] = {238, 240, 244};
  p[Foam] = {180, 205, 225};
  return p;
}

class Picture {
 public:
  explicit Picture(int centre)
      : centre_(centre), pixels_(static_cast<std::size_t>(kSize) * kSize, Sky) {}

  // Screen column of panorama column x, taking the nearer way round.
  int column(int x) const {
    int d = ((x - centre_) % kPanorama + kPanorama) % kPanorama;
    if (d >= kPanorama / 2) d -= kPanorama;
    return kSize / 2 + d;
  }
  // Panorama column seen at screen column sx.
  int panorama(int sx) const {
    return ((centre_ + sx - kSize / 2) % kPanorama + kPanorama) % kPanorama;
  }

  void put(int x, int y, GifByteType ink) {
    if (x >= 0 && x < kSize && y >= 0 && y < kSize) pixels_[y * kSize + x] = ink;
  }
  void fill(int x0, int y0, int x1, int y1, GifByteType ink) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) put(x, y, ink);
  }
  void ellipse(int cx, int cy, int rx, int ry, GifByteType ink) {
    for (int y = -ry; y <= ry; ++y)
      for (int x = -rx; x <= rx; ++x)
        if (x * x * ry * ry + y * y * rx * rx <= rx * rx * ry * ry) put(cx + x, cy + y, ink);
  }
  const GifByteType* row(int y) const { return &pixels_[static_cast<std::size_t>(y) * kSize]; }

 private:
  int centre_;
  std::vector<GifByteType> pixels_;
};

double wave(int x, int periods, double phase) {
  return std::sin(2 * kPi * periods * x / kPanorama + phase);
}

void drawSkyAndSea(Picture& pic) {
  for (int y = 0; y < kHorizon; ++y) {
    const int band = std::clamp(7 - y * 8 / kHorizon, 0, 7);
    pic.fill(0, y, kSize, y + 1, static_cast<GifByteType>(Sky + band));
  }
  for (int y = kHorizon; y < kSize; ++y) {
    const int band = std::min(3, (y - kHorizon) * 4 / (kSize - kHorizon));
    pic.fill(0, y, kSize, y + 1, static_cast<GifByteType>(Sea + band));
  }
  // Wave crests fixed to the panorama, so they move with the view.
  for (int sx = 0; sx < kSize; ++sx) {
    const int x = pic.panorama(sx);
    for (int y = kHorizon + 6; y < kSize; y += 9) {
      if (wave(x + y * 7, 24, y) > 0.8) pic.put(sx, y, Foam);
    }
  }
}

// A low coast on part of the horizon, a nearer headland on another part.
void drawHills(Picture& pic) {
  for (int sx = 0; sx < kSize; ++sx) {
    const int x = pic.panorama(sx);
    const double far = 5 + 4 * wave(x, 3, 0.5) + 2 * wave(x, 7, 1.0);
    if (wave(x, 1, 2.2) > -0.2)
      pic.fill(sx, kHorizon - static_cast<int>(far), sx + 1, kHorizon, FarHill);
    const double near = 9 * wave(x, 2, 4.0) + 3 * wave(x, 9, 0.3);
    if (near > 2) pic.fill(sx, kHorizon - static_cast<int>(near), sx + 1, kHorizon, NearHill);
  }
}

void drawClouds(Picture& pic) {
  const std::array<std::array<int, 3>, 4> clouds = {
      {{60, 18, 14}, {150, 30, 18}, {215, 12, 11}, {250, 40, 9}}};
  for (const auto& c : clouds) {
    const int sx = pic.column(c[0]);
    pic.ellipse(sx, c[1], c[2], c[2] / 3, Cloud);
    pic.ellipse(sx + c[2] / 2, c[1] - 3, c[2] / 2, c[2] / 4, Cloud);
  }
}

// The reference object: a red and white lighthouse on a rock.
void drawLighthouse(Picture& pic, int x) {
  const int sx = pic.column(x);
  pic.ellipse(sx, kHorizon, 16, 3, Dark);
  const int top = 38;
  for (int y = top; y < kHorizon - 1; ++y) {
    const int half = 4 + (y - top) * 3 / (kHorizon - top);
    const bool redBand = ((y - top) / 8) % 2 == 0;
    pic.fill(sx - half, y, sx + half + 1, y + 1, redBand ? Red : White);
  }
  pic.fill(sx - 6, top - 1, sx + 7, top + 1, Dark);  // gallery
  pic.fill(sx - 3, top - 7, sx + 4, top - 1, Lamp);  // lantern
  for (int i = 0; i < 5; ++i) pic.fill(sx - 4 + i, top - 8 - i, sx + 5 - i, top - 7 - i, Red);
}

void drawBuoy(Picture& pic, int x) {
  const int sx = pic.column(x);
  pic.fill(sx - 3, kHorizon + 2, sx + 4, kHorizon + 10, Yellow);
  pic.fill(sx - 3, kHorizon + 5, sx + 4, kHorizon + 7, Dark);
  pic.fill(sx, kHorizon - 4, sx + 1, kHorizon + 2, Dark);
  pic.ellipse(sx, kHorizon - 5, 2, 2, Dark);
}

void drawBuilding(Picture& pic, int x) {
  const int sx = pic.column(x);
  pic.fill(sx - 10, kHorizon - 16, sx + 11, kHorizon, Wall);
  for (int wx = sx - 8; wx < sx + 9; wx += 5)
    pic.fill(wx, kHorizon - 13, wx + 3, kHorizon - 9, Window);
  for (int wx = sx - 8; wx < sx + 9; wx += 5)
    pic.fill(wx, kHorizon - 7, wx + 3, kHorizon - 3, Window);
  pic.fill(sx - 11, kHorizon - 18, sx + 12, kHorizon - 16, Dark);
}

Picture view(int step) {
  Picture pic(step * kStep);
  drawSkyAndSea(pic);
  drawHills(pic);
  drawClouds(pic);
  drawBuilding(pic, 190);
  drawBuoy(pic, 120);
  drawLighthouse(pic, 0);
  return pic;
}

bool writeGif(const std::string& path, const Picture& pic) {
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
  if (!gif) return false;
  std::vector<GifColorType> colours = palette();
  ColorMapObject* map = GifMakeMapObject(kInks, colours.data());
  bool ok = map && EGifPutScreenDesc(gif, kSize, kSize, 8, 0, map) == GIF_OK &&
            EGifPutImageDesc(gif, 0, 0, kSize, kSize, false, nullptr) == GIF_OK;
  for (int y = 0; ok && y < kSize; ++y) {
    ok = EGifPutLine(gif, const_cast<GifByteType*>(pic.row(y)), kSize) == GIF_OK;
  }
  if (EGifCloseFile(gif, &error) != GIF_OK) ok = false;
  GifFreeMapObject(map);
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  for (const auto& [name, step] : kestrom::kTelescopePictures) {
    const std::string path = folder + "/" + name;
    if (!writeGif(path, view(step))) {
      std::fprintf(stderr, "%s: cannot write %s\n", argv[0], path.c_str());
      return 1;
    }
  }
  return 0;
}
