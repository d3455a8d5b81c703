#pragma once

#include "texts/display_model.h"

// What the tick shows; the window copies it onto its widgets after each tick.
struct TLinkDisplay {
    TLabelModel LabelHlaseni;
    TGaugeModel CGaugeProgram;
    bool LabelSpojeniVisible = true;
    bool LabelVersionVisible = false;
};
