// Main window: start-up, close, administration window and sign-in.
#include "rechner/fenster/tform1.h"

void TForm1::anmeldungVerbinden() {}
