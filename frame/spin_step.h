// The spin steps moved to the platform layer, where the spin bindings use them.
#pragma once

#include "platform/spin_step.h"
