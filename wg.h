// Everything an application of the WG library includes.
#pragma once
#include "core/wgdef.h"
#include "core/VRK_WG.h"
#include "core/VRK_WGPANEL.h"
#include "core/WGStyleCenter.h"
#include "core/WGEventCenter.h"
#include "core/WGSkin.h"
#include "controls/WG_Button.h"
