#pragma once

#include "params/binding.h"
#include "params/param_image.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// What the editing controls hold, in the terms of the binding table: the
// position of every spinner and the state of the boxes that write into the
// image. The window only moves these numbers to and from its widgets.
struct TEditorValues {
    std::array<int, ScalarSpinnerCount> Scalars{}; // in ScalarBindings() order
    std::array<int, CurvePoints> Speeds{};
    std::array<int, CurvePoints> Advances{};
    bool ReadLock = false;           // "No Reading"
    bool ShiftLightReversed = false; // gear-shift light output reversed
    int Polarity = 0;                // the polarity group's item; written by its own click only
};

// Controls into the image: the fixed bytes, every scalar, and all 15 points.
// A point whose speed or advance differs from the image counts as changed;
// the first one becomes ChangedPoint when an edit has just started (-2), and
// two or more make it -1. With no change ChangedPoint keeps its value.
void WriteBackValues(const TEditorValues& values, TParamImage& image);

// The image as the controls show it. The fixed bytes are set in the image;
// every position is limited to its spinner's range, while the image keeps
// the byte until the next write-back.
TEditorValues ShowValues(TParamImage& image);

// What a transfer takes from controls that show the image unchanged: every
// value limited to its spinner's range, then normalised.
void TakeShownValues(TParamImage& image);

// Advance - (step -1) or + (step +1) on every point, or on the highlighted
// one; advances stay within 0..60. Normalises afterwards.
void StepAdvances(TParamImage& image, int step, bool allPoints, bool noHighlight,
                  int highlightRow);

// What the editor's dependent controls look like. A control listed with a
// value for a property gets it; the window applies the list in order.
struct TControlLook {
    std::string Control;
    std::optional<bool> Visible;
    std::optional<bool> Enabled;
    std::optional<bool> Red; // otherwise the button face
};

struct TEditorLook {
    bool WindowWhite = false;
    std::vector<TControlLook> Controls;
    // The unit's identification, date and time.
    std::string Verze1;
    std::string Verze2;
    std::string Verze3;
};

struct TEditorState {
    bool Printing = false;
    bool ProgHnedChecked = false;
    bool ZakazCteniChecked = false;
};

TEditorLook DependentsLook(const TParamImage& image, const TEditorState& state);
