// The framework's core (objects, checks, exceptions, strings, collections,
// geometry, files, resource module) for headers that need only that much.
#pragma once

#include <windows.h>

#include "Diagnostics.h"
#include "ObjectModel.h"
#include "Exceptions.h"
#include "TextString.h"
#include "Arrays.h"
#include "Lists.h"
#include "Maps.h"
#include "Geometry.h"
#include "Files.h"
#include "FileFind.h"
#include "Archive.h"
#include "ResourceModule.h"
