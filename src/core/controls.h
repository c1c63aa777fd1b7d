#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrom {

// Colours as 0xBBGGRR, the order the panels' lamps and texts are described in.
using Color = std::uint32_t;
inline constexpr Color clBlack = 0x000000;
inline constexpr Color clRed = 0x0000FF;
inline constexpr Color clLime = 0x00FF00;
inline constexpr Color clBlue = 0xFF0000;
inline constexpr Color clSilver = 0xC0C0C0;
inline constexpr Color clWhite = 0xFFFFFF;

// The state of the controls a window model owns; views draw them as they are.
struct Label {
  std::string Caption;
  Color FontColor = clBlack;
  bool Visible = true;
};

struct MenuItem {
  bool Enabled = true;
  bool Checked = false;
  bool Visible = true;
};

struct CheckBox {
  bool Checked = false;
  bool Enabled = true;
};

struct Edit {
  std::string Text;
  bool Enabled = true;
};

struct ComboBox {
  std::vector<std::string> Items;
  int ItemIndex = -1;
  bool Enabled = true;
  std::string Text() const {
    return ItemIndex >= 0 && ItemIndex < static_cast<int>(Items.size()) ? Items[ItemIndex] : "";
  }
};

// An in-lock lamp: lit shows LitColor, unlit shows UnlitColor.
struct StatusLight {
  bool Lit = false;
  Color LitColor = clRed;
  Color UnlitColor = clBlack;
  Color shown() const { return Lit ? LitColor : UnlitColor; }
};

}  // namespace kestrom
