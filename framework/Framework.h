// The application framework: include this one header to get all of it.
#pragma once

#include "CoreIncludes.h"
