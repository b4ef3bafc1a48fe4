// The engine program: its one application object and its entry point.
#include "torvane/ui/TorvaneApp.h"

torvane::CTorvaneApp theApp;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    return AfxWinMain(instance, previous, commandLine, show);
}
