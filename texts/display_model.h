#pragma once

#include <string>

// What the core decides a label or a gauge shows; the window copies it onto
// its widgets. Colours are named, the window maps them to its palette.
enum class TColour { ButtonFace, Red, Yellow, Aqua, Fuchsia, Lime, White };

struct TLabelModel {
    std::string Text;
    TColour Background = TColour::ButtonFace;
    bool Visible = false;
};

// A bar gauge that clamps its progress to MinValue..MaxValue, as the window's gauge does.
struct TGaugeModel {
    static constexpr int MinValue = 0;
    static constexpr int MaxValue = 3;
    int Progress = 0;
    bool Visible = false;

    void SetProgress(int value);
    int Percent() const { return Progress * 100 / MaxValue; }
};
