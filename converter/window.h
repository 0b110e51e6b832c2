// Pixelmill's window: the converter as the artist meets it, started by `pixelmill` without arguments.
#pragma once

// Opens the window at the top left of the screen and runs until it is closed; the exit status.
int MillWindowRun(int myCount, char** myArgs);
