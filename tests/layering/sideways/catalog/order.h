// Included from beside; never compiled.
#pragma once
