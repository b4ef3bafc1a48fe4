// The entry point of a Windows program built on the framework: it runs the
// program's application object. Taken from the library only by programs
// that have no entry point of their own.
#include "WinApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    return AfxWinMain(instance, previous, commandLine, show);
}
