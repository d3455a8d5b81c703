#pragma once

class QLineEdit;
class QMainWindow;
class QWidget;
struct THlavControls;
struct TSpinBinding;
class TUpDown;

// Builds every control of the main window into ui, named and placed as the
// window lays them out, with the ranges of the binding table. Texts come
// afterwards, from the text tables.
void BuildHlavControls(QMainWindow& form, THlavControls& ui);

// The parts, one region of the window each (hlav_layout*.cpp, hlav_menu.cpp).
void BuildToolBar(THlavControls& ui, QWidget* client);
void BuildCurveEditor(THlavControls& ui, QWidget* client);
void BuildOptions(THlavControls& ui, QWidget* client);
void BuildLiveDisplay(THlavControls& ui, QWidget* client);
void BuildStatusLabels(THlavControls& ui, QWidget* client);
void BuildHiddenControls(THlavControls& ui, QWidget* client);
void BuildMenu(QMainWindow& form, THlavControls& ui);
void BuildDialogs(QMainWindow& form, THlavControls& ui);

// Run once the texts are in: the radio groups' items exist only then.
void SetHlavTabOrder(THlavControls& ui);
// The client area at its designed size, under a menu bar whose height is
// known once its captions are in.
void SizeHlavWindow(QMainWindow& form);
// The controls that show the short part of their hint as a tooltip.
void MarkTooltips(THlavControls& ui);

// A spinner beside its edit box with the range, step and start of its binding.
TUpDown* NewBoundUpDown(const TSpinBinding& binding, QLineEdit* buddy);
