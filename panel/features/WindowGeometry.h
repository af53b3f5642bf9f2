#pragma once
// The geometry a skin gives the main window's sliders and 7.1 speakers.

namespace vorma {

// A slider's travel: its top edge moves between `top` and `top + range` (window coordinates).
struct SliderRange {
  int top = 0;
  int range = 0;
};

// The circle the 7.1 speakers live in (skin key [Virtual7ch1] VirtualCenter). `oldRadius` is the
// radius of the skin loaded before, kept for rescaling the speakers on a skin switch.
struct SpeakerCircle {
  int x = 560;
  int y = 251;
  int radius = 110;
  int oldRadius = 0;
};

}  // namespace vorma
