// Main window: print, about box, outside links and status hints.
#include "rechner/fenster/tform1.h"

void TForm1::menueVerbinden() {}
