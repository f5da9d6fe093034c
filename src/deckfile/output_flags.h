// Which column groups the deck file writes: the output-items section of the settings.
#pragma once

#include "settings/output_item_settings.h"
