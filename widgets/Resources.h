#pragma once

namespace widgets {
// Registers the pictures compiled into the program library; every form calls it first.
void InitResources();
} // namespace widgets
