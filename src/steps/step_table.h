// The one list of all upgrade steps, in the order the chain tests them.
#pragma once

#include <span>

#include "engine/version_chain.h"

namespace harbo::steps {

std::span<const engine::StepEntry> StepTable();

}  // namespace harbo::steps
