// Makes message boxes impossible in a fuzz worker: the program's calls of
// MessageBoxA go to a stand-in that counts the box and answers it at once
// with its cancel (or only) button, so no box is ever left open and no
// display is needed.
#pragma once

// Redirects MessageBoxA for the calling program's own module. False when the
// program does not import it.
bool InstallBoxAnswerer();
// Boxes answered since the last call.
int TakeAnsweredBoxCount();
// While `button` is not 0 every box is answered with it (questions the
// program must be told yes to, while the seed files are made).
void AnswerBoxesWith(int button);
