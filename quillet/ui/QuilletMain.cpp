// The drag-race program: its one application object and its entry point.
#include "quillet/ui/QuilletApp.h"

quillet::CQuilletApp theApp;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    return AfxWinMain(instance, previous, commandLine, show);
}
