#pragma once

// Every panel class the main window composes.

#include "capacitors/capacitor_colour_panel.h"
#include "capacitors/capacitor_digit_panel.h"
#include "capacitors/capacitor_dropper_panel.h"
#include "capacitors/capacitor_scale_panel.h"
#include "capacitors/series_parallel_panel.h"
#include "power_frequency/frequency_conversion_panel.h"
#include "power_frequency/ohms_law_panel.h"
#include "power_frequency/reactance_panel.h"
#include "power_frequency/resonance_panels.h"
#include "resistors/colour_band_panel.h"
#include "resistors/dropper_panel.h"
#include "resistors/series_parallel_panel.h"
#include "shell/image_panel.h"
#include "shell/notes_panel.h"
#include "shell/shell_panels.h"
