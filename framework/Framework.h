// The application framework: include this one header to get all of it.
#pragma once

#include "CoreIncludes.h"

// Command targets, message maps, command updates, documents.
#include "CmdTarget.h"
#include "CmdUI.h"
#include "Document.h"
#include "DocTemplate.h"

// Windows, application, GDI, dialogs and controls.
#include "WindowMessages.h"
#include "GdiObjects.h"
#include "SysColorBitmap.h"
#include "DC.h"
#include "Menu.h"
#include "Wnd.h"
#include "View.h"
#include "Controls.h"
#include "CommonControls.h"
#include "Dialog.h"
#include "PropertySheet.h"
#include "Printing.h"
#include "FileDialog.h"
#include "WinThread.h"
#include "WinApp.h"
#include "CommandLineInfo.h"
#include "RecentFileList.h"

// Frames and views.
#include "CreateContext.h"
#include "FrameWnd.h"
#include "PrintPreview.h"
#include "MDIFrameWnd.h"
#include "ScrollView.h"
#include "FormView.h"
#include "SplitterWnd.h"
