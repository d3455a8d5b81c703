#include "texts/display_model.h"

void TGaugeModel::SetProgress(int value)
{
    if (value < MinValue)
        value = MinValue;
    if (value > MaxValue)
        value = MaxValue;
    Progress = value;
}
