#pragma once

class QLineEdit;
class QString;
class QWidget;

// Centres a window on its screen.
void zentrieren(QWidget* fenster);
// Shows a modeless window centred on the screen; one that is open already only comes to the
// front, so its show event does not run again.
void modelessZeigen(QWidget* fenster);
// Sets a field's text from its model and keeps the cursor where it was, so that a field that
// turns letters to upper case can be typed into anywhere.
void textSetzen(QLineEdit* feld, const QString& text);
