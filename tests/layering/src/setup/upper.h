#pragma once

#include "core/planted.h"
// A second planted fault: no layer of the program uses the test fakes.
#include "testing/fakes.h"
