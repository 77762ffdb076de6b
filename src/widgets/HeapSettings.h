#pragma once

// Set once at the start of the process, before the window is built: the C library merges small
// blocks into the free memory as they are freed. By default it keeps them aside and merges all
// of them at a later allocation, on whichever thread asks: after the lines of a million-line
// dictionary were freed, that held the interface thread for over a tenth of a second.
void mergeFreedBlocksAtOnce();
