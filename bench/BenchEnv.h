// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every benchmark runs under: the built program's folder (with the bundled skins)
// and no message boxes, which would stop a run.
void UseBuiltProgram();
