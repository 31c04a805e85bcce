// The library module's own instance (for installing hooks).
#pragma once
#include "wgdef.h"

WG_API HINSTANCE WGGetLibraryInstance();
