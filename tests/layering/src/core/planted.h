#pragma once

// A planted fault for the layering check: the core may use no other layer.
#include "setup/upper.h"
