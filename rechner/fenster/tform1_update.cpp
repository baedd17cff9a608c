// Main window: the online update check.
#include "rechner/fenster/tform1.h"

void TForm1::updateVerbinden() {}
