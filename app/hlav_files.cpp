// Parameter files, the printed sheet and help; they come with their commands.
#include "app/hlav.h"

void TFormHlav::MenuNewClick() {}
void TFormHlav::MenuOpenClick() {}
void TFormHlav::MenuSaveClick() {}
void TFormHlav::MenuContensClick() {}
void TFormHlav::MenuAboutClick() {}
