#pragma once

// Every panel class the main window composes.

#include "app/shell_panels.h"
#include "capacitors/panels/capacitor_colour_panel.h"
#include "capacitors/panels/capacitor_digit_panel.h"
#include "capacitors/panels/capacitor_dropper_panel.h"
#include "capacitors/panels/capacitor_scale_panel.h"
#include "capacitors/panels/series_parallel_panel.h"
#include "images/image_panel.h"
#include "notes/notes_panel.h"
#include "power_frequency/panels/frequency_conversion_panel.h"
#include "power_frequency/panels/ohms_law_panel.h"
#include "power_frequency/panels/reactance_panel.h"
#include "power_frequency/panels/resonance_panels.h"
#include "resistors/panels/colour_band_panel.h"
#include "resistors/panels/dropper_panel.h"
#include "resistors/panels/series_parallel_panel.h"
