#pragma once

#include "qt/view.h"
