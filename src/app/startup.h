#pragma once

/**
 * The program's start: refuses a network path, loads settings and genres, shows the
 * splash, opens the main window. False when the program must end at once.
 */
bool Main();
