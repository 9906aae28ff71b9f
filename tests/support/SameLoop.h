#pragma once
// Every reader of two loop models compared, the per-address ones over the
// whole loop, for tests that a copy or a restored loop is the same loop.

#include "loop/clsCalculator.h"

#include <gtest/gtest.h>

class Catalogue;

::testing::AssertionResult SameLoop(const clsCalculator& a, const clsCalculator& b, const Catalogue& c);
