#include "rechner/kern/rollenverwaltung.h"

// Placeholders until the roll files are built.
void Rollenverwaltung::BitBtn24Click() {}
void Rollenverwaltung::BitBtn23Click() {}
void Rollenverwaltung::BitBtn6Click() {}
