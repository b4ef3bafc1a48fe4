#include "ResourceModule.h"

namespace {

HINSTANCE instanceModule = nullptr;
HINSTANCE resourceModule = nullptr;

HINSTANCE ProgramModule() { return GetModuleHandleA(nullptr); }

}  // namespace

HINSTANCE AfxGetInstanceHandle() { return instanceModule ? instanceModule : ProgramModule(); }

void AfxSetInstanceHandle(HINSTANCE instance) { instanceModule = instance; }

HINSTANCE AfxGetResourceHandle() {
    return resourceModule ? resourceModule : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE resources) { resourceModule = resources; }

HINSTANCE AfxFindResourceHandle(LPCSTR name, LPCSTR type) {
    HINSTANCE resources = AfxGetResourceHandle();
    if (FindResourceA(resources, name, type) != nullptr) return resources;
    return AfxGetInstanceHandle();
}
