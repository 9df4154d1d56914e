#pragma once
// Calls in one include: the option search and its predicates, carrying a call
// out, and liability.
#include "engine/call_options.h"
#include "engine/execute_call.h"
#include "engine/liability.h"
