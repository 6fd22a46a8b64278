#pragma once

// Creates the main window and then every other dialog of the program, in the
// order the program starts them; each lives, hidden, for the whole run.
void Create_Program_Forms();
