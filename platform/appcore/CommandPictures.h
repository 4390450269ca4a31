// The pictures of the configuration's commands, for menu items and toolbar
// buttons.
#pragma once

#include "afx.h"

// The picture of the command `name` scaled to width x height, or NULL when
// the command has none (or there is no such command). The bitmap stays the
// core's: the same handle for the same command and size until the
// configuration is loaded again; a caller that keeps it beyond that clones it.
HBITMAP I_GetCommandHBitMap(const char* name, int width, int height);
