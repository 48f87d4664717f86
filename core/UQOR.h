#pragma once
// The routines every mod window shares, the per-mod dispatch and the launch preparation.
#include "core/UQOR_Settings.h"
#include "core/UQOR_Dispatch.h"
#include "core/UQOR_Maps.h"
#include "core/UQOR_Bots.h"
#include "core/UQOR_Launch.h"
