#pragma once

// Everything a computation needs to read, round, write and combine numbers.
#include "conventions/arithmetic.h"
#include "conventions/format.h"
#include "conventions/parse.h"
#include "conventions/rounding.h"
#include "conventions/runtime_error.h"
#include "conventions/tagged.h"
