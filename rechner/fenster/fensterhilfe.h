#pragma once

class QWidget;

// Centres a window on its screen.
void Zentrieren(QWidget* fenster);
// Shows a modeless window centred on the screen; one that is open already only comes to the
// front, so its show event does not run again.
void ModelessZeigen(QWidget* fenster);
