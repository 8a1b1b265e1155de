// Umbrella header: every public header of the library.
#pragma once

#include "qor/frame/component.h"
#include "qor/frame/errors.h"
#include "qor/frame/events.h"
#include "qor/frame/float_text.h"
#include "qor/frame/hooks.h"
#include "qor/frame/random.h"
#include "qor/frame/types.h"
#include "qor/math1/kahan_sum.h"
#include "qor/matrix/matrix.h"
