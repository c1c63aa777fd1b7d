#pragma once

#include "setup/upper.h"
