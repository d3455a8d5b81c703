#include "texts/form_texts.h"

const std::vector<TControlText>& FormTexts()
{
    using K = TTextKind;
    static const std::vector<TControlText> texts{
        {"LabelRpm1", K::Caption, "RPM"},
        {"LabelRpm2", K::Caption, "RPM"},
        {"LabelRpm", K::Caption, "RPM = ---"},
        {"LabelNapeti", K::Caption, "U = --- [V]"},
        {"LabelKillSwitch", K::Caption, "Kill switch = ---"},
        {"LabelEeDataErr", K::Caption, "Programmed data error"},
        {"LabelTest1", K::Caption, "Test1 = ---"},
        {"LabelTest2", K::Caption, "Test2 = ---"},
        {"LabelTest3", K::Caption, "Test3 = ---"},
        {"LabelTest4", K::Caption, "Test4 = ---"},
        {"LabelTest5", K::Caption, "Test5 = ---"},
        {"LabelTest6", K::Caption, "Test6 = ---"},
        {"LabelTest7", K::Caption, "Test7 = ---"},
        {"LabelTest8", K::Caption, "Test8 = ---"},
        {"LabelClutch1", K::Caption, "Clutch master time [ms]"},
        {"LabelClutch2", K::Caption, "Clutch master pause [ms]"},
        {"BitBtnAdvMinus", K::Caption, "-"},
        {"BitBtnAdvPlus", K::Caption, "+"},
        {"MenuAdvanceMinus", K::Hint, "Curve A minus|Take off 1 degree of curve A"},
        {"MenuAdvancePlus", K::Hint, "Curve A plus|Add 1 degree of curve A"},
        {"MenuHelp", K::Hint, "Not available jet"},
    };
    return texts;
}
