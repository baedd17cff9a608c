#pragma once

// Loads Qt's German texts, so that the toolkit's own dialogs (file dialogs, their questions
// and buttons) speak German like the rest of the program.
void deutscheQtTexteLaden();
