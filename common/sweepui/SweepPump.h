// The message pump of a sweep loop that runs inside a button handler: the
// dialog stays live between runs, so that the same button can stop it.
#pragma once

// Dispatches the messages waiting in the thread's queue (a batch at most: a
// timer or a window that keeps repainting must not hold the loop up for
// ever). False when the program is closing: the quit is posted again for the
// program's own loop, and the caller stops.
bool SweepPumpMessages();
